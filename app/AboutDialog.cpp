#include "app/AboutDialog.h"

#include "platform/DialogTemplate.h"

namespace corvane::app {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    platform::buildFromTemplate(*this, 100);
}

} // namespace corvane::app

#include "app/AboutDialog.h"

#include "platform/DialogTemplate.h"
#include "res/ids/AboutBox.h"

namespace corvane::app {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    platform::buildFromTemplate(*this, ids::aboutBox::templateId);
}

} // namespace corvane::app

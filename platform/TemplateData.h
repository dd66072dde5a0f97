#pragma once
// Dialog templates, menus, strings and icon groups as data, read from the
// program's resources (res/), in the shape the Windows resource compiler knows.
#include <QByteArray>
#include <QIcon>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace corvane::platform {

enum class ControlKind {
    PushButton,
    DefPushButton,
    Edit,
    ListBox,
    ComboBox,
    Static,
    GroupBox,
    Icon
};

struct ControlTemplate {
    ControlKind kind = ControlKind::Static;
    int id = -1; // -1: no ID (IDC_STATIC)
    QString text;
    QRect rect;        // dialog units
    QStringList style; // window and control style names, e.g. "WS_TABSTOP", "LBS_SORT"
    QStringList items; // initialisation data: list items added when the control is made

    bool has(const char* styleName) const { return style.contains(QLatin1String(styleName)); }
};

struct DialogTemplate {
    int id = 0;
    QString caption;
    QRect rect; // dialog units; the size is the client area
    QString fontFace;
    int fontPoints = 8;
    int menuId = 0; // 0: no menu
    QStringList style;
    std::vector<ControlTemplate> controls; // in tab order
};

struct MenuItemTemplate {
    int id = 0; // 0 with separator set: a separator
    QString text;
    bool separator = false;
};

struct MenuPopupTemplate {
    QString text;
    std::vector<MenuItemTemplate> items;
};

struct MenuTemplate {
    int id = 0;
    std::vector<MenuPopupTemplate> popups;
};

// Parsing of the JSON form kept in res/; nothing when the text is not a template.
std::optional<DialogTemplate> parseDialogTemplate(const QByteArray& json);
std::optional<MenuTemplate> parseMenuTemplate(const QByteArray& json);

// Lookup in the program's resources.
std::optional<DialogTemplate> loadDialogTemplate(int id);
std::optional<MenuTemplate> loadMenuTemplate(int id);
QString loadString(int id);  // empty when the string table has no such entry
QIcon loadIconGroup(int id); // null when the group or its image is missing

} // namespace corvane::platform

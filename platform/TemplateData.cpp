#include "platform/TemplateData.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <utility>

namespace corvane::platform {
namespace {

const QString resourceRoot = QStringLiteral(":/corvane/");

std::optional<QJsonObject> readObject(const QByteArray& json) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        return std::nullopt;
    }
    return doc.object();
}

std::optional<QJsonObject> readResource(const QString& name) {
    QFile file(resourceRoot + name);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return readObject(file.readAll());
}

QStringList toStrings(const QJsonValue& value) {
    QStringList out;
    for (const QJsonValue& v : value.toArray()) {
        out << v.toString();
    }
    return out;
}

std::optional<QRect> toRect(const QJsonValue& value) {
    const QJsonArray a = value.toArray();
    if (a.size() != 4) {
        return std::nullopt;
    }
    return QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
}

std::optional<ControlKind> toKind(const QString& name) {
    static const std::array<std::pair<const char*, ControlKind>, 8> kinds{{
        {"PUSHBUTTON", ControlKind::PushButton},
        {"DEFPUSHBUTTON", ControlKind::DefPushButton},
        {"EDITTEXT", ControlKind::Edit},
        {"LISTBOX", ControlKind::ListBox},
        {"COMBOBOX", ControlKind::ComboBox},
        {"LTEXT", ControlKind::Static},
        {"GROUPBOX", ControlKind::GroupBox},
        {"ICON", ControlKind::Icon},
    }};
    for (const auto& [text, kind] : kinds) {
        if (name == QLatin1String(text)) {
            return kind;
        }
    }
    return std::nullopt;
}

std::optional<ControlTemplate> toControl(const QJsonObject& o) {
    const auto kind = toKind(o.value("kind").toString());
    const auto rect = toRect(o.value("rect"));
    if (!kind || !rect) {
        return std::nullopt;
    }
    ControlTemplate c;
    c.kind = *kind;
    c.id = o.value("id").toInt(-1);
    c.text = o.value("text").toString();
    c.rect = *rect;
    c.style = toStrings(o.value("style"));
    c.items = toStrings(o.value("items"));
    return c;
}

} // namespace

std::optional<DialogTemplate> parseDialogTemplate(const QByteArray& json) {
    const auto o = readObject(json);
    if (!o) {
        return std::nullopt;
    }
    const auto rect = toRect(o->value("rect"));
    if (!rect || !o->value("id").isDouble()) {
        return std::nullopt;
    }
    DialogTemplate t;
    t.id = o->value("id").toInt();
    t.caption = o->value("caption").toString();
    t.rect = *rect;
    const QJsonObject font = o->value("font").toObject();
    t.fontFace = font.value("face").toString();
    t.fontPoints = font.value("points").toInt(8);
    t.menuId = o->value("menu").toInt(0);
    t.style = toStrings(o->value("style"));
    for (const QJsonValue& v : o->value("controls").toArray()) {
        auto control = toControl(v.toObject());
        if (!control) {
            return std::nullopt;
        }
        t.controls.push_back(std::move(*control));
    }
    return t;
}

std::optional<MenuTemplate> parseMenuTemplate(const QByteArray& json) {
    const auto o = readObject(json);
    if (!o || !o->value("id").isDouble()) {
        return std::nullopt;
    }
    MenuTemplate m;
    m.id = o->value("id").toInt();
    for (const QJsonValue& p : o->value("popups").toArray()) {
        MenuPopupTemplate popup;
        popup.text = p.toObject().value("text").toString();
        for (const QJsonValue& i : p.toObject().value("items").toArray()) {
            const QJsonObject item = i.toObject();
            popup.items.push_back({item.value("id").toInt(0), item.value("text").toString(),
                                   item.value("separator").toBool(false)});
        }
        m.popups.push_back(std::move(popup));
    }
    return m;
}

std::optional<DialogTemplate> loadDialogTemplate(int id) {
    QFile file(resourceRoot + QStringLiteral("templates/%1.json").arg(id));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return parseDialogTemplate(file.readAll());
}

std::optional<MenuTemplate> loadMenuTemplate(int id) {
    QFile file(resourceRoot + QStringLiteral("menus/%1.json").arg(id));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return parseMenuTemplate(file.readAll());
}

QString loadString(int id) {
    const auto table = readResource(QStringLiteral("strings.json"));
    return table ? table->value(QString::number(id)).toString() : QString();
}

QIcon loadIconGroup(int id) {
    const auto icons = readResource(QStringLiteral("icons.json"));
    if (!icons) {
        return {};
    }
    QIcon icon;
    for (const QString& image :
         toStrings(icons->value("groups").toObject().value(QString::number(id)))) {
        const QString path = image.startsWith(':') ? image : resourceRoot + image;
        if (QFile::exists(path)) {
            icon.addFile(path);
        }
    }
    return icon;
}

} // namespace corvane::platform

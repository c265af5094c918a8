#include "platform/FormTranslator.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QToolButton>
#include <QVariant>
#include <QWidget>

namespace kalder {

namespace {

// Properties that keep the literal a text was translated from.
constexpr const char* kTextLiteral = "kalderTextLiteral";
constexpr const char* kTipLiteral = "kalderTipLiteral";
constexpr const char* kTitleLiteral = "kalderTitleLiteral";

// The literal behind a text: the one kept from an earlier translation, else the text itself,
// which is then kept.
QString literalOf(QObject& object, const char* property, const QString& current) {
    const QVariant kept = object.property(property);
    if (kept.isValid()) return kept.toString();
    object.setProperty(property, current);
    return current;
}

QString resolved(const TextResolver& resolve, const QString& literal) {
    return QString::fromStdString(resolve(literal.toStdString()));
}

template <class T, class Get, class Set>
void translate(T& object, const char* property, const TextResolver& resolve, Get get, Set set) {
    const QString literal = literalOf(object, property, (object.*get)());
    // An empty text is left alone: setting it would clear what a label shows instead (a pixmap).
    if (!literal.isEmpty()) (object.*set)(resolved(resolve, literal));
}

void translateAction(QAction& action, const TextResolver& resolve) {
    if (action.isSeparator()) return;
    translate(action, kTextLiteral, resolve, &QAction::text, &QAction::setText);
    // Qt gives an action without its own tooltip its text as the tooltip; only a tooltip of
    // its own is a literal.
    const QVariant kept = action.property(kTipLiteral);
    if (kept.isValid() || action.toolTip() != QString(action.text()).remove('&'))
        translate(action, kTipLiteral, resolve, &QAction::toolTip, &QAction::setToolTip);
}

}  // namespace

void translateForm(QWidget& form, const TextResolver& resolve) {
    translate(form, kTitleLiteral, resolve, &QWidget::windowTitle, &QWidget::setWindowTitle);
    QList<QWidget*> widgets = form.findChildren<QWidget*>();
    widgets.prepend(&form);
    for (QWidget* w : widgets) {
        // A toolbar's button shows its action, translated with the actions below.
        if (auto* tool = qobject_cast<QToolButton*>(w); tool && tool->defaultAction()) continue;
        if (auto* label = qobject_cast<QLabel*>(w))
            translate(*label, kTextLiteral, resolve, &QLabel::text, &QLabel::setText);
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            translate(*button, kTextLiteral, resolve, &QAbstractButton::text, &QAbstractButton::setText);
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            translate(*group, kTextLiteral, resolve, &QGroupBox::title, &QGroupBox::setTitle);
        if (!w->toolTip().isEmpty() || w->property(kTipLiteral).isValid())
            translate(*w, kTipLiteral, resolve, &QWidget::toolTip, &QWidget::setToolTip);
    }
    // Actions of the form's toolbars and menus, each once.
    QList<QAction*> actions = form.findChildren<QAction*>();
    for (QWidget* w : widgets)
        for (QAction* a : w->actions())
            if (!actions.contains(a)) actions.append(a);
    for (QAction* a : actions) translateAction(*a, resolve);
}

}  // namespace kalder

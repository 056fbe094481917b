#include "support/ActionText.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

#include "support/Hints.h"
#include "support/QtText.h"

namespace vd::gui {

QAction* MakeAction(const ActionText& text, QWidget& owner) {
    auto* action = new QAction(ToQString(text.caption), &owner);
    action->setObjectName(QString::fromLatin1(text.name));
    const QString hint = ToQString(text.hint);
    action->setToolTip(hint.isEmpty() ? action->text().remove(QLatin1Char('&')) : ShortHint(hint));
    action->setStatusTip(hint);
    if (*text.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(text.shortcut)));
    if (text.icon != kNoIcon) action->setIcon(owner.style()->standardIcon(text.icon));
    return action;
}

}  // namespace vd::gui

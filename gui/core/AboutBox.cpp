#include "core/AboutBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "support/QtText.h"

namespace vd::gui {

void ShowAboutBox(const AboutDialogArgs& args, QWidget* parent) {
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("dlgAbout"));
    box.setWindowTitle(ToQString(args.caption));
    box.setText(ToDisplayText(args.description + args.version + args.contacts));
    const QIcon icon = QApplication::windowIcon();
    if (icon.isNull()) {
        box.setIcon(QMessageBox::Information);
    } else {
        box.setIconPixmap(icon.pixmap(48, 48));
    }
    QPushButton* ok = box.addButton(ToQString(args.okCaption), QMessageBox::AcceptRole);
    box.setEscapeButton(ok);
    box.exec();
}

}  // namespace vd::gui

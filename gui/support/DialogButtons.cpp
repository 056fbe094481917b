#include "support/DialogButtons.h"

#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include "support/QtText.h"

namespace vd::gui {

DialogButtons AddDialogButtons(QDialog& dialog, QBoxLayout& layout, std::string_view okCaption,
                               std::string_view cancelCaption) {
    auto* box = new QDialogButtonBox(&dialog);
    QPushButton* ok = box->addButton(ToQString(okCaption), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = box->addButton(ToQString(cancelCaption), QDialogButtonBox::RejectRole);
    ok->setObjectName(QStringLiteral("btnOk"));
    cancel->setObjectName(QStringLiteral("btnCancel"));
    ok->setDefault(true);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    layout.addWidget(box);
    return {ok, cancel};
}

}  // namespace vd::gui

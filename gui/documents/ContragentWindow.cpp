#include "documents/ContragentWindow.h"

#include <QBoxLayout>

#include "core/DataModule.h"
#include "core/UserInterface.h"
#include "documents/ContragentDictionary.h"
#include "documents/MemoField.h"
#include "documents/Messages.h"
#include "support/QtText.h"

namespace vd::gui {

TfContragent::TfContragent(TDM& tdm, QWidget* parent)
    : DictionaryWindow(tdm, "FormContragent.TfContragent", text::kContragentDeleteHint, parent),
      name_(new MemoField(this)),
      address_(new MemoField(this)) {
    setObjectName(QStringLiteral("fContragent"));
    name_->setObjectName(QStringLiteral("mAddName"));
    address_->setObjectName(QStringLiteral("mAddAddress"));
    for (MemoField* memo : {name_, address_}) {
        memo->setFixedHeight(4 * fontMetrics().lineSpacing() + 12);
        AddPanel().addWidget(memo, 1);
    }
    resize(760, 560);
    RestoreLayout();
}

void TfContragent::FormShow() {
    tdm_.Ui().SetHelpLine(text::kContragentPickHelp);
    setResult(QDialog::Rejected);
    selectedName_.clear();
    selectedAddress_.clear();
    setWindowTitle(ToQString(text::kContragentCaption));
    Reload();
}

void TfContragent::Reload() {
    std::vector<std::vector<std::string>> rows;
    try {
        for (Contragent& entry : ListContragents(tdm_)) rows.push_back({std::move(entry.name), std::move(entry.address)});
    } catch (const std::exception& e) {
        ReportError("FormShow", e);
    }
    ShowRows({ToQString(text::kContragentNameColumn), ToQString(text::kContragentAddressColumn)}, std::move(rows));
}

void TfContragent::Mirror(int row) {
    const auto& texts = Rows()[static_cast<std::size_t>(row)];
    name_->SetValue(texts[0]);
    address_->SetValue(texts[1]);
}

void TfContragent::AddEntry() {
    const std::string name = name_->Value();
    const std::string address = address_->Value();
    // A failure is rolled back; the list read again shows the table unchanged.
    StoreContragent(tdm_, name, address);
    Reload();
    MoveToRowWith({name, address});
}

void TfContragent::DeleteEntry(int row) {
    const auto texts = Rows()[static_cast<std::size_t>(row)];
    DeleteContragent(tdm_, texts[0], texts[1]);
    Reload();
}

void TfContragent::Choose(int row) {
    const auto& texts = Rows()[static_cast<std::size_t>(row)];
    selectedName_ = texts[0];
    selectedAddress_ = texts[1];
}

}  // namespace vd::gui

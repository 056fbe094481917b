#include "documents/PhraseWindow.h"

#include <QBoxLayout>

#include "core/DataModule.h"
#include "core/UserInterface.h"
#include "documents/MemoField.h"
#include "documents/Messages.h"
#include "documents/PhraseDictionary.h"
#include "support/QtText.h"

namespace vd::gui {

TfPhrase::TfPhrase(TDM& tdm, QWidget* parent)
    : DictionaryWindow(tdm, "FormPhrase.TfPhrase", text::kPhraseDeleteHint, parent), memo_(new MemoField(this)) {
    setObjectName(QStringLiteral("fPhrase"));
    memo_->setObjectName(QStringLiteral("mAdd"));
    memo_->setFixedHeight(4 * fontMetrics().lineSpacing() + 12);
    AddPanel().addWidget(memo_);
    RestoreLayout();
}

void TfPhrase::FormShow() {
    tdm_.Ui().SetHelpLine(text::kPhrasePickHelp);
    setResult(QDialog::Rejected);
    selectedName_.clear();
    setWindowTitle(ToQString(PhraseTypeName(phraseType_)));
    Reload();
}

void TfPhrase::Reload() {
    std::vector<std::vector<std::string>> rows;
    try {
        for (std::string& name : ListPhrases(tdm_, phraseType_)) rows.push_back({std::move(name)});
    } catch (const std::exception& e) {
        ReportError("FormShow", e);
    }
    ShowRows({ToQString(PhraseTypeName(phraseType_))}, std::move(rows));
}

void TfPhrase::Mirror(int row) { memo_->SetValue(Rows()[static_cast<std::size_t>(row)][0]); }

void TfPhrase::AddEntry() {
    const std::string value = memo_->Value();
    SavePhrase(tdm_, phraseType_, value);
    Reload();
    MoveToRowWith({value});
}

void TfPhrase::DeleteEntry(int row) {
    // A failed delete is rolled back; the list read again shows the table unchanged.
    DeletePhrase(tdm_, phraseType_, Rows()[static_cast<std::size_t>(row)][0]);
    Reload();
}

void TfPhrase::Choose(int row) { selectedName_ = Rows()[static_cast<std::size_t>(row)][0]; }

}  // namespace vd::gui

#pragma once

#include <string>

#include "documents/DictionaryWindow.h"

namespace vd::gui {

class MemoField;

// The phrase dictionary (TfPhrase): the texts of one type, to pick one, add or delete. The
// caller sets the type before showing it and reads the chosen text after OK.
class TfPhrase : public DictionaryWindow {
    Q_OBJECT

public:
    explicit TfPhrase(TDM& tdm, QWidget* parent = nullptr);

    // The type listed; set before the window is shown.
    void SetPhraseType(int phraseType) { phraseType_ = phraseType; }
    int PhraseType() const { return phraseType_; }
    const std::string& SelectedName() const { return selectedName_; }

private:
    void FormShow() override;
    void Mirror(int row) override;
    void AddEntry() override;
    void DeleteEntry(int row) override;
    void Choose(int row) override;
    // Reads the type's texts again; the first becomes current.
    void Reload();

    int phraseType_ = 0;
    MemoField* memo_;
    std::string selectedName_;
};

}  // namespace vd::gui

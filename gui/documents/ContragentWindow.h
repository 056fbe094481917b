#pragma once

#include <string>

#include "documents/DictionaryWindow.h"

namespace vd::gui {

class MemoField;

// The counterparty dictionary (TfContragent): declarants' names and addresses, to pick a pair,
// add or delete one. After OK the caller reads the chosen pair.
class TfContragent : public DictionaryWindow {
    Q_OBJECT

public:
    explicit TfContragent(TDM& tdm, QWidget* parent = nullptr);

    const std::string& SelectedName() const { return selectedName_; }
    const std::string& SelectedAddress() const { return selectedAddress_; }

private:
    void FormShow() override;
    void Mirror(int row) override;
    void AddEntry() override;
    void DeleteEntry(int row) override;
    void Choose(int row) override;
    void Reload();

    MemoField* name_;
    MemoField* address_;
    std::string selectedName_;
    std::string selectedAddress_;
};

}  // namespace vd::gui

#include "main/MessageBox.h"

#include <QMessageBox>
#include <QPushButton>

#include <utility>
#include <vector>

#include "core/Messages.h"
#include "support/QtText.h"

namespace vd::gui {
namespace {

struct ButtonSpec {
    std::string_view caption;
    QMessageBox::ButtonRole role;
    Answer answer;
};

std::vector<ButtonSpec> SpecsOf(Buttons buttons) {
    const ButtonSpec yes{text::kAnswerYes, QMessageBox::YesRole, Answer::Yes};
    const ButtonSpec no{text::kAnswerNo, QMessageBox::NoRole, Answer::No};
    const ButtonSpec ok{text::kAnswerOk, QMessageBox::AcceptRole, Answer::Ok};
    const ButtonSpec cancel{text::kCancel, QMessageBox::RejectRole, Answer::Cancel};
    switch (buttons) {
        case Buttons::Ok: return {ok};
        case Buttons::OkCancel: return {ok, cancel};
        case Buttons::Yes: return {yes};
        case Buttons::YesNo: return {yes, no};
        case Buttons::YesCancel: return {yes, cancel};
        case Buttons::YesNoCancel: return {yes, no, cancel};
        case Buttons::No: return {no};
    }
    return {ok};
}

QMessageBox::Icon IconOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Information: return QMessageBox::Information;
        case MessageKind::Warning: return QMessageBox::Warning;
        case MessageKind::Error: return QMessageBox::Critical;
        case MessageKind::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

Answer ShowMessageBox(QWidget* parent, MessageKind kind, std::string_view caption, std::string_view text,
                      Buttons buttons) {
    QMessageBox box(IconOf(kind), ToQString(caption), ToDisplayText(text), QMessageBox::NoButton, parent);
    std::vector<std::pair<QPushButton*, Answer>> answers;
    for (const ButtonSpec& spec : SpecsOf(buttons)) {
        answers.emplace_back(box.addButton(ToQString(spec.caption), spec.role), spec.answer);
    }
    box.setDefaultButton(answers.front().first);
    box.setEscapeButton(answers.back().first);
    box.exec();
    for (const auto& [button, answer] : answers) {
        if (box.clickedButton() == button) return answer;
    }
    return answers.back().second;
}

}  // namespace vd::gui

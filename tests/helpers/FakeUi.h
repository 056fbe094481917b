#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/UserInterface.h"

namespace vd::test {

// A scripted user: records every call the core makes and answers from queues, so a test can
// assert the exact texts and captions the user would have seen.
class FakeUi : public UserInterface {
public:
    struct Message {
        MessageKind kind;
        std::string caption;
        std::string text;
        Buttons buttons;
    };

    // Answers to questions, in order; Yes when the queue is empty.
    std::deque<Answer> answers;
    // Login dialog: result, name and password the user "types"; result 2 (cancel) when empty.
    struct LoginInput {
        int result;
        std::string name;
        std::string password;
    };
    std::deque<LoginInput> logins;
    std::deque<bool> disconnectAnswers;
    std::deque<bool> blankAnswers;
    // What the file and folder choosers return, in order; nothing chosen when empty.
    std::deque<std::optional<std::string>> chosenPaths;
    // The comment dialog: result and the text the user leaves in it; confirmed, text kept when empty.
    struct CommentInput {
        int result;
        std::string comment;
    };
    std::deque<CommentInput> comments;
    std::deque<int> reminderAnswers;
    // The administration dialogs are driven by functions that play the user's part.
    std::deque<std::function<bool(UserPasswordDialog&)>> passwordDialogs;
    std::deque<std::function<bool(UserRenameDialog&)>> renameDialogs;

    std::vector<Message> messages;
    std::vector<LoginDialogArgs> loginCalls;
    std::vector<std::pair<int, int>> reminderCalls;  // days, user id
    std::vector<BlankDialogArgs> blankCalls;
    std::vector<CommentDialogArgs> commentCalls;
    int disconnectCalls = 0;
    std::vector<std::string> helpLines;
    std::vector<std::string> chooserTitles;
    std::vector<std::string> statusTexts;

    Answer ShowMessage(MessageKind kind, std::string_view caption, std::string_view text, Buttons buttons) override {
        messages.push_back({kind, std::string(caption), std::string(text), buttons});
        if (buttons == Buttons::Ok) return Answer::Ok;
        if (buttons == Buttons::Yes) return Answer::Yes;
        if (buttons == Buttons::No) return Answer::No;
        return Pop(answers, Answer::Yes);
    }

    int ShowDlgLogin(LoginDialogArgs& args) override {
        loginCalls.push_back(args);
        const LoginInput input = Pop(logins, LoginInput{2, {}, {}});
        args.name = input.name;
        args.password = input.password;
        return input.result;
    }
    int ShowDlgComment(CommentDialogArgs& args) override {
        commentCalls.push_back(args);
        if (comments.empty()) return 1;
        const CommentInput input = Pop(comments, CommentInput{1, {}});
        args.comment = input.comment;
        return input.result;
    }
    int ShowDlgSimLogin(SimLoginDialogArgs&) override { return 0; }
    int ShowDlgAbout(const AboutDialogArgs&) override { return 1; }

    bool ShowBlankConfirmation(const BlankDialogArgs& args) override {
        blankCalls.push_back(args);
        return Pop(blankAnswers, true);
    }
    bool AskDisconnectOtherInstance() override {
        ++disconnectCalls;
        return Pop(disconnectAnswers, false);
    }
    int ShowSyncReminder(int days, int currentUserId) override {
        reminderCalls.emplace_back(days, currentUserId);
        return Pop(reminderAnswers, 1);
    }
    bool ShowUserPasswordDialog(UserPasswordDialog& dialog) override {
        auto play = Pop(passwordDialogs, std::function<bool(UserPasswordDialog&)>{});
        return play ? play(dialog) : false;
    }
    bool ShowUserRenameDialog(UserRenameDialog& dialog) override {
        auto play = Pop(renameDialogs, std::function<bool(UserRenameDialog&)>{});
        return play ? play(dialog) : false;
    }

    std::optional<std::string> ChooseFolder(std::string_view title, std::string_view) override {
        chooserTitles.emplace_back(title);
        return Pop(chosenPaths, std::optional<std::string>{});
    }
    std::optional<std::string> ChooseOpenFile(std::string_view title, std::string_view, std::string_view) override {
        chooserTitles.emplace_back(title);
        return Pop(chosenPaths, std::optional<std::string>{});
    }
    std::optional<std::string> ChooseSaveFile(std::string_view title, std::string_view, std::string_view,
                                              std::string_view) override {
        chooserTitles.emplace_back(title);
        return Pop(chosenPaths, std::optional<std::string>{});
    }

    void SetHelpLine(std::string_view text) override { helpLines.emplace_back(text); }
    void SetStatusText(std::string_view text) override { statusTexts.emplace_back(text); }
    void BeginBusy(std::string_view, bool) override {}
    void SetBusyProgress(int) override {}
    void EndBusy() override {}
    void ProcessEvents() override {}

    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& m : messages) texts.push_back(m.text);
        return texts;
    }

private:
    template <typename T>
    static T Pop(std::deque<T>& queue, T fallback) {
        if (queue.empty()) return fallback;
        T value = std::move(queue.front());
        queue.pop_front();
        return value;
    }
};

}  // namespace vd::test

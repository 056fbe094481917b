#pragma once

#include <optional>
#include <string>

namespace vd {

class TDM;
struct Session;

// What the enabling rules look at: the session and the register's current row.
struct EnablingInput {
    bool stopFlag = false;
    bool registerOpen = false;  // the database and its queries are open
    int rowCount = 0;
    int currentUserId = 0;
    std::string currentUserName;
    bool duplicatePending = false;
    struct Row {
        std::optional<int> status;  // no value when it cannot be read
        std::string expert;
        std::string referenceNo;
        std::string goDuplicate;
        std::string goInstead;
        std::string goCancel;
        std::string goTrue;
    };
    std::optional<Row> current;

    static EnablingInput From(TDM& tdm);
    // The document's expert is the user, or the user is the administrator.
    bool Owner() const;
};

// The register's document actions.
struct RegisterActions {
    bool newDocument = false;
    bool templ = false;
    bool complete = false;     // "Выдать"
    bool cancel = false;       // "Аннулировать"
    bool duplicate = false;
    bool badPaper = false;     // "Испорчен"
    bool instead = false;      // "Взамен"
    bool deleteDocument = false;
    bool goDuplicate = false;
    bool goInstead = false;
    bool goCancel = false;
    bool goTrue = false;
    bool wordCerts = false;    // "Заключения в MS Word"
    bool myOnlyEnabled = false;
    bool myOnlyForcedOn = false;
};

// The main window's commands that depend on the session and the current document.
struct MainActions {
    bool edit = false;
    bool view = false;
    bool print = false;
    bool readOnlyView = false;
    bool administration = false;  // the menu and its administrator-only commands
    bool settings = false;
    std::string caption;
};

RegisterActions ComputeRegisterActions(const EnablingInput& in);
MainActions ComputeMainActions(const EnablingInput& in);

// The session flags the register's rule resets whenever it runs.
void ApplyRegisterSideEffects(const EnablingInput& in, Session& session);

}  // namespace vd

#pragma once

namespace vd {

class TDM;

// The register's document actions on its current document. Each asks what it must, checks the
// user's rights and the document's status, and answers what the front end does next.

// "Новый": a new project is prepared; true when the editor opens.
bool NewProject(TDM& tdm);
// "Шаблон": a new project from the current document; true when the editor opens.
bool TemplateProject(TDM& tdm);
// "Выдать": true when the document was issued and its blank is to be printed.
bool IssueDocument(TDM& tdm);
// "Испорчен" and "Аннулировать": true when the status changed.
bool SpoilDocument(TDM& tdm);
bool CancelDocument(TDM& tdm);

struct TransitionOutcome {
    bool openEditor = false;
    bool print = false;
};
// "Дубликат": the duplicate is prepared for the editor; printed when the check passed.
TransitionOutcome DuplicateDocument(TDM& tdm);
// "Взамен": on a cancelled conclusion a replacement project opens in the editor; on a
// replacement project it is issued in place of the cancelled one and printed.
TransitionOutcome IssueInstead(TDM& tdm);
// "Удалить": a project is removed after the question.
bool DeleteDocument(TDM& tdm);

}  // namespace vd

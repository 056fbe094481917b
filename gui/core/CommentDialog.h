#pragma once

#include <QDialog>

#include <string>

#include "core/UserInterface.h"

class QPlainTextEdit;

namespace vd::gui {

// The comment asked for by a status change: a multi-line text preset by the core.
class CommentDialog : public QDialog {
    Q_OBJECT

public:
    explicit CommentDialog(const CommentDialogArgs& args, QWidget* parent = nullptr);

    std::string Comment() const;

private:
    QPlainTextEdit* comment_;
};

}  // namespace vd::gui

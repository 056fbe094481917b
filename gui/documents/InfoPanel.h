#pragma once

#include <QFrame>

class QLabel;
class QPlainTextEdit;

namespace vd::gui {

// The information panel under the editor's form (pInfo): the hint of the part of the form the
// user is in. It is shown only while it has something to say; a double click on its picture
// makes it taller for long hints, and a second one small again.
class InfoPanel : public QFrame {
    Q_OBJECT

public:
    static constexpr int kSmallHeight = 50;
    static constexpr int kLargeHeight = 100;

    explicit InfoPanel(QWidget* parent = nullptr);

    void ShowInfo(const QString& text);
    QString Info() const;
    void ToggleHeight();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* picture_;
    QPlainTextEdit* memo_;
};

}  // namespace vd::gui

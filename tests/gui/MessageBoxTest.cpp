#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

#include "GuiTest.h"
#include "ModalScript.h"
#include "core/Messages.h"
#include "main/QtUserInterface.h"
#include "support/QtText.h"

using vd::Answer;
using vd::Buttons;
using vd::MessageKind;
using vd::gui::ToQString;
namespace text = vd::text;

Q_DECLARE_METATYPE(vd::Answer)
Q_DECLARE_METATYPE(vd::Buttons)
Q_DECLARE_METATYPE(vd::MessageKind)

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    // `press` names the button to click; empty presses Escape.
    void buttonsAndAnswers_data() {
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QString>("press");
        QTest::addColumn<Answer>("answer");
        const QString yes = ToQString(text::kAnswerYes);
        const QString no = ToQString(text::kAnswerNo);
        const QString ok = ToQString(text::kAnswerOk);
        const QString cancel = ToQString(text::kCancel);
        QTest::newRow("ok") << Buttons::Ok << QStringList{ok} << ok << Answer::Ok;
        QTest::newRow("ok, escape") << Buttons::Ok << QStringList{ok} << QString() << Answer::Ok;
        QTest::newRow("ok cancel, cancel") << Buttons::OkCancel << QStringList{ok, cancel} << cancel << Answer::Cancel;
        QTest::newRow("ok cancel, escape") << Buttons::OkCancel << QStringList{ok, cancel} << QString() << Answer::Cancel;
        QTest::newRow("yes alone") << Buttons::Yes << QStringList{yes} << yes << Answer::Yes;
        QTest::newRow("yes cancel, escape") << Buttons::YesCancel << QStringList{yes, cancel} << QString()
                                            << Answer::Cancel;
        QTest::newRow("yes no, yes") << Buttons::YesNo << QStringList{yes, no} << yes << Answer::Yes;
        QTest::newRow("yes no, escape") << Buttons::YesNo << QStringList{yes, no} << QString() << Answer::No;
        QTest::newRow("yes no cancel, no") << Buttons::YesNoCancel << QStringList{yes, no, cancel} << no << Answer::No;
        QTest::newRow("yes no cancel, escape") << Buttons::YesNoCancel << QStringList{yes, no, cancel} << QString()
                                               << Answer::Cancel;
        QTest::newRow("no alone") << Buttons::No << QStringList{no} << no << Answer::No;
    }

    void buttonsAndAnswers() {
        QFETCH(Buttons, buttons);
        QFETCH(QStringList, captions);
        QFETCH(QString, press);
        QFETCH(Answer, answer);
        vd::gui::QtUserInterface ui;
        QStringList shown;
        vd::test::ModalScript script;
        script.Then<QMessageBox>([&](QMessageBox& box) {
            QAbstractButton* target = nullptr;
            for (QAbstractButton* button : box.buttons()) {
                shown << button->text();
                if (button->text() == press) target = button;
            }
            if (press.isEmpty()) {
                QTest::keyClick(&box, Qt::Key_Escape);
            } else if (target) {
                QTest::mouseClick(target, Qt::LeftButton);
            }
        });
        script.Start();
        QCOMPARE(ui.ShowMessage(MessageKind::Confirmation, text::kAppTitle, "?", buttons), answer);
        QVERIFY2(script.Done(), qPrintable(script.Failure()));
        shown.sort();
        captions.sort();
        QCOMPARE(shown, captions);
    }

    void kindCaptionAndLineBreaks_data() {
        QTest::addColumn<MessageKind>("kind");
        QTest::addColumn<int>("icon");
        QTest::newRow("information") << MessageKind::Information << int(QMessageBox::Information);
        QTest::newRow("warning") << MessageKind::Warning << int(QMessageBox::Warning);
        QTest::newRow("error") << MessageKind::Error << int(QMessageBox::Critical);
        QTest::newRow("confirmation") << MessageKind::Confirmation << int(QMessageBox::Question);
    }

    void kindCaptionAndLineBreaks() {
        QFETCH(MessageKind, kind);
        QFETCH(int, icon);
        vd::gui::QtUserInterface ui;
        vd::test::ModalScript script;
        script.Then<QMessageBox>([&](QMessageBox& box) {
            QCOMPARE(int(box.icon()), icon);
            QCOMPARE(box.windowTitle(), ToQString(text::kProductName));
            // CR LF and a lone CR both end a line on the screen.
            QCOMPARE(box.text(), QStringLiteral("Пароль изменен.\nПостарайтесь\nего нигде не записывать."));
            QTest::keyClick(&box, Qt::Key_Escape);
        });
        script.Start();
        ui.ShowMessage(kind, text::kProductName, "Пароль изменен.\rПостарайтесь\r\nего нигде не записывать.",
                       Buttons::Ok);
        QVERIFY2(script.Done(), qPrintable(script.Failure()));
    }
};

VD_GUI_TEST(MessageBoxTest);

#include "MessageBoxTest.moc"

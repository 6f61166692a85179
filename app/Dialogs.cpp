// The Qt host's dialogs: message box, question box, file choosers, the orders dialog.
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <utility>
#include <vector>

#include "app/QtHost.h"
#include "widgets/ordres/Ordres.h"

namespace rdo {
namespace {

constexpr std::pair<Answer, QMessageBox::StandardButton> kButtons[] = {
    {Answer::Save, QMessageBox::Save},
    {Answer::Discard, QMessageBox::Discard},
    {Answer::Cancel, QMessageBox::Cancel},
    {Answer::Yes, QMessageBox::Yes},
    {Answer::No, QMessageBox::No}};

// The program's own buttons: Qt has no standard one that says what they do.
struct OwnButton {
    Answer answer;
    const char* text;
    QMessageBox::ButtonRole role;
};

constexpr OwnButton kOwnButtons[] = {{Answer::Later, "Plus tard", QMessageBox::RejectRole},
                                     {Answer::Throw, "Jeter", QMessageBox::DestructiveRole}};

QPushButton* addButton(QMessageBox& box, Answer answer) {
    for (const auto& [known, button] : kButtons) {
        if (known == answer) {
            return box.addButton(button);
        }
    }
    for (const OwnButton& own : kOwnButtons) {
        if (own.answer == answer) {
            return box.addButton(QString::fromUtf8(own.text), own.role);
        }
    }
    return nullptr;
}

}  // namespace

QString qtFileFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // "*.*" means every file to the game's players, also those without a dot.
        const QString pattern =
            parts[i + 1] == QLatin1String("*.*") ? QStringLiteral("*") : parts[i + 1];
        QString description = parts[i];
        description.truncate(description.indexOf(QLatin1Char('(')));
        filters << description.trimmed() + QStringLiteral(" (") + pattern + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

void QtHost::showMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kAppTitle), QString::fromStdString(text),
                    QMessageBox::Ok, window_);
    box.setObjectName(QStringLiteral("message"));
    box.exec();
}

Answer QtHost::ask(const Question& question) {
    emit sessionChanged();  // the team shows behind the question
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kAppTitle),
                    QString::fromStdString(question.text), QMessageBox::NoButton, window_);
    box.setObjectName(QStringLiteral("question"));
    std::vector<std::pair<QPushButton*, Answer>> buttons;
    for (const Answer answer : question.buttons) {
        buttons.emplace_back(addButton(box, answer), answer);
    }
    for (const auto& [button, answer] : buttons) {
        if (answer == question.defaultButton) {
            box.setDefaultButton(button);
        }
        if (answer == question.escapeButton) {
            box.setEscapeButton(button);  // Escape, and the title bar's close button
        }
    }
    box.exec();
    for (const auto& [button, answer] : buttons) {
        if (button == box.clickedButton()) {
            return answer;
        }
    }
    return question.escapeButton;
}

std::string QtHost::chooseFile(const std::string& filter, ChooserPurpose purpose) {
    const QString qtFilter = qtFileFilter(filter);
    const QString folder = startFolder(purpose);
    const QString path = purpose == ChooserPurpose::Open
                             ? QFileDialog::getOpenFileName(window_, QString(), folder, qtFilter)
                             : QFileDialog::getSaveFileName(window_, QString(), folder, qtFilter);
    return path.toStdString();
}

void QtHost::showOrdersDialog(Roster& roster, OrdersDialog& dialog) {
    emit sessionChanged();  // the row is ticked and shows its orders behind the dialog
    Ordres ordres(roster, dialog, *this, window_);
    ordres.exec();
}

}  // namespace rdo

// The Qt host's dialogs: message box, question box, file choosers, the orders dialog.
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

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

QMessageBox::StandardButton buttonOf(Answer answer) {
    for (const auto& [known, button] : kButtons) {
        if (known == answer) {
            return button;
        }
    }
    return QMessageBox::NoButton;
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
    for (const Answer answer : question.buttons) {
        box.addButton(buttonOf(answer));
    }
    box.setDefaultButton(buttonOf(question.defaultButton));
    box.setEscapeButton(buttonOf(question.escapeButton));
    box.exec();
    const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
    for (const auto& [answer, button] : kButtons) {
        if (button == pressed) {
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

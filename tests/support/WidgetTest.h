// Drives the real windows the way a user does, over the fake host.
#pragma once

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <ostream>
#include <string>

#include "roster/ui/Guide.h"
#include "tests/support/FakeHost.h"

/// Failure messages show a QString as its text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace rdo::test {

/// The window's control named `name`; fails the test when there is none.
template <typename Widget = QWidget>
Widget* control(const QWidget& guide, const QString& name) {
    auto* widget = guide.findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

/// Clicks btOpen and answers the file chooser with a team file of `bytes`.
inline void openTeamFile(Guide& guide, FakeHost& host, const std::string& bytes) {
    host.files["/equipes/equipe.cyc"] = bytes;
    host.chooserAnswers.push_back("/equipes/equipe.cyc");
    QTest::mouseClick(control(guide, QStringLiteral("btOpen")), Qt::LeftButton);
}

}  // namespace rdo::test

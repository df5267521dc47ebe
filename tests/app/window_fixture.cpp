// The shared window fixture: every test gets a new window with an empty settings store.
#include "window_fixture.h"

#include "app/picture_view.h"

#include <QSettings>
#include <QTest>
#include <QToolButton>

void WindowTest::SetUp()
{
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, settingsDir.path());
    window = std::make_unique<TfrmMain>();
    window->resize(640, 520);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

void WindowTest::TearDown()
{
    window.reset();
}

void WindowTest::clickButton(const char *name)
{
    QTest::mouseClick(find<QToolButton>(name), Qt::LeftButton);
}

void WindowTest::pressCell(int cell, Qt::MouseButton button)
{
    const game::GameState &state = window->state();
    const QRect shown = board()->pictureRect();
    const int index = cell - 1;
    const double w = double(shown.width()) / state.cols;
    const double h = double(shown.height()) / state.rows;
    const QPoint centre(shown.x() + int((index % state.cols + 0.5) * w),
                        shown.y() + int((index / state.cols + 0.5) * h));
    QTest::mousePress(board(), button, Qt::NoModifier, centre);
    QTest::mouseRelease(board(), button, Qt::NoModifier, centre);
}

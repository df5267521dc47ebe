// SPDX-License-Identifier: GPL-3.0-or-later
// The window in each language: the game's texts and Qt's come from the player's language,
// and none is cut short at the window's own size.
#include "app/commands/command_table.h"
#include "app/dialogs/abourform.h"
#include "app/dialogs/optsform.h"
#include "app/translations.h"
#include "app/settings/settings.h"
#include "app/window/startup_picture.h"
#include "web/OpenURL.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

struct Language
{
    const char *locale;
    const char *firstGameItem;
    const char *optionsTitle;
    const char *qtYesButton; // from Qt's own translation
};

// English and Czech, which the game does not speak, keep every text English, Qt's as well.
const Language languages[] = {
    {"de_DE", "Ö&ffnen…", "Optionen", "&Ja"},
    {"fr_FR", "&Ouvrir…", "Options", "&Oui"},
    {"es_ES", "&Abrir…", "Opciones", "&Sí"},
    {"it_IT", "&Apri…", "Opzioni", "&Sì"},
    {"pt_BR", "&Abrir…", "Opções", "&Sim"},
    {"nl_NL", "&Openen…", "Opties", "&Ja"},
    {"pl_PL", "&Otwórz…", "Opcje", "&Tak"},
    {"ru_RU", "&Открыть…", "Параметры", "&Да"},
    {"ja_JP", "開く(&O)...", "オプション", "はい(&Y)"},
    {"zh_CN", "打开(&O)...", "选项", "是(&Y)"},
    {"en_US", "&Open...", "Options", "&Yes"},
    {"cs_CZ", "&Open...", "Options", "&Yes"},
};

QString shown(const QString &text)
{
    return QString(text).remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// Visible texts of the window that do not fit the room they were given.
QStringList cutTexts(QWidget *window)
{
    QStringList cut;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisible())
            continue;
        if (auto *label = qobject_cast<QLabel *>(control); label && !label->text().isEmpty()) {
            const QRect room = label->contentsRect();
            const bool fits =
                label->wordWrap()
                    ? label->heightForWidth(room.width()) <= room.height()
                    : label->fontMetrics().horizontalAdvance(label->text()) <= room.width();
            if (!fits)
                cut << label->text();
        } else if (auto *check = qobject_cast<QCheckBox *>(control)) {
            if (check->sizeHint().width() > check->width())
                cut << check->text();
        } else if (auto *button = qobject_cast<QPushButton *>(control)) {
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect room =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            if (button->fontMetrics().horizontalAdvance(shown(button->text())) > room.width())
                cut << button->text();
        } else if (auto *list = qobject_cast<QComboBox *>(control)) {
            if (list->sizeHint().width() > list->width())
                cut << list->currentText();
        } else if (auto *tabs = qobject_cast<QTabBar *>(control)) {
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->fontMetrics().horizontalAdvance(shown(tabs->tabText(i))) >
                    tabs->tabRect(i).width())
                    cut << tabs->tabText(i);
        }
    }
    return cut;
}

class TranslatedWindow : public WindowTest, public ::testing::WithParamInterface<Language>
{
  protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLatin1String(GetParam().locale)));
        installTranslations();
        windowSize = QSize();
        WindowTest::SetUp();
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        // English installs no translation: this removes the test's.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        installTranslations();
        QLocale::setDefault(m_locale);
    }

  private:
    const QLocale m_locale;
};

TEST_P(TranslatedWindow, SpeaksTheLanguageWithNoTextCut)
{
    const Language &language = GetParam();
    EXPECT_EQ(find<QMenu>("mnuGame")->actions().constFirst()->text(),
              QString::fromUtf8(language.firstGameItem));
    EXPECT_EQ(QDialogButtonBox(QDialogButtonBox::Yes).button(QDialogButtonBox::Yes)->text(),
              QString::fromUtf8(language.qtYesButton));

    // Every menu shows on the bar: none moves to the bar's overflow button.
    QMenuBar *bar = window->menuBar();
    for (QAction *menu : bar->actions()) {
        const QRect place = bar->actionGeometry(menu);
        EXPECT_TRUE(!place.isEmpty() && place.right() < bar->width()) << qPrintable(menu->text());
    }
    EXPECT_FALSE(find<QToolButton>("qt_menubar_ext_button")->isVisible());

    TfrmOptions options({{game::SwapBlocks, 4, 4, true}, 40, false, [] { return 0; }},
                        window.get());
    EXPECT_EQ(options.windowTitle(), QString::fromUtf8(language.optionsTitle));
    options.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&options));
    auto *pages = options.findChild<QTabWidget *>();
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        EXPECT_EQ(cutTexts(&options), QStringList()) << qPrintable(pages->tabText(page));
    }

    TfrmOpenURL address(window.get());
    TfrmAbout about(startupPicture(), settings::onlineSite(), window.get());
    for (QDialog *dialog : {static_cast<QDialog *>(&address), static_cast<QDialog *>(&about)}) {
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        EXPECT_EQ(cutTexts(dialog), QStringList()) << qPrintable(dialog->windowTitle());
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedWindow, ::testing::ValuesIn(languages),
                         [](const auto &info) { return std::string(info.param.locale); });

// The command table names each text's context beside lupdate's copy of it: a context that
// differs finds no translation. In these languages every menu text differs from the English.
TEST(CommandTexts, AreTranslatedUnderTheirOwnContexts)
{
    const QLocale saved;
    for (const char *locale : {"ru_RU", "ja_JP", "zh_CN"}) {
        SCOPED_TRACE(locale);
        QLocale::setDefault(QLocale(QLatin1String(locale)));
        installTranslations();
        for (const commands::CommandRow &row : commands::commandTable())
            EXPECT_NE(commands::caption(row), QLatin1String(row.text.source)) << row.objectName;
        for (const commands::MenuRow &row : commands::menuTable())
            EXPECT_NE(commands::title(row), QLatin1String(row.title.source)) << row.objectName;
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    installTranslations();
    QLocale::setDefault(saved);
}

} // namespace

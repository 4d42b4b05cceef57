// Pictures of the windows for looking at layout and letters; written only when SOLVIRA_SHOTS names a folder.
#include "UiTestSupport.h"

#include "settings/ui/TFormUstawieniaWizard.h"
#include "shell/ui/TFormAbout.h"
#include "shell/ui/TFormMain.h"
#include "shell/ui/svShellWidgets.h"
#include "store/svDB.h"
#include "store/svSchema.h"
#include "support/TestSupport.h"

#include <QEnterEvent>
#include <QStackedWidget>
#include <QTabWidget>

#include <gtest/gtest.h>

TEST(Screenshots, MainWindowSettingsWizardAbout)
{
    const QString out = qEnvironmentVariable("SOLVIRA_SHOTS");
    if (out.isEmpty())
        GTEST_SKIP() << "SOLVIRA_SHOTS not set";
    TempDataFolder folder(true);
    ASSERT_TRUE(Schema::OpenStore(folder.path()));
    auto save = [&](QWidget* w, const QString& name) { w->grab().save(out + QLatin1Char('/') + name + ".png"); };
    {
        TFormUstawieniaWizard wizard;
        wizard.show();
        QTest::qWait(50);
        save(&wizard, "wizard1");
        Click(&wizard, "BtnNastepna1");
        save(&wizard, "wizard2");
        Click(&wizard, "BtnNastepna2");
        save(&wizard, "wizard3");
    }
    OnModal([](QWidget* w) { qobject_cast<QDialog*>(w)->accept(); });
    {
        TFormMain window;
        ASSERT_TRUE(window.FormCreate());
        window.show();
        QTest::qWait(100);
        if (window.Splash()) {
            save(window.Splash(), "splash");
            window.Splash()->close();
        }
        save(&window, "main");
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(window.findChild<QWidget*>("LinkLabel2"), &enter);
        save(&window, "main-hover");
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(window.findChild<QWidget*>("LinkLabel2"), &leave);
        window.ShowIssuePanel();
        save(&window, "issue");
        window.ShowSerialPanel();
        save(&window, "serial");
        window.SetPrintProgress(3, 12);
        window.ShowSettingsPanel();
        auto* tabs = window.findChild<QTabWidget*>("PCUstawienia");
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            save(&window, QStringLiteral("settings%1").arg(i + 1));
        }
        TFormAbout about(&window);
        about.show();
        QTest::qWait(50);
        save(&about, "about");
    }
    FreeSharedTables();
    Db::Close();
}

// The main window as the tests of its menu, trace log, measurements and run log drive it: boxes
// answered at once and recorded, file dialogs answered with a chosen path.
#pragma once

#include "app/form1.h"
#include "app/help/form2.h"
#include "app/lab_tools.h"
#include "app/measurements_window.h"
#include "app/run_log_window.h"
#include "app/user_messages.h"
#include "chart/chart.h"
#include "support/silent_messages.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace app {

// The user's settings (the remembered language and zoom) in a folder of the test while this
// lives, so that a test neither reads nor changes the settings of whoever runs it.
class SettingsOfTheTest {
public:
    SettingsOfTheTest() {
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
    }
    ~SettingsOfTheTest() { QSettings::setDefaultFormat(QSettings::NativeFormat); }
    SettingsOfTheTest(const SettingsOfTheTest&) = delete;
    SettingsOfTheTest& operator=(const SettingsOfTheTest&) = delete;

private:
    QTemporaryDir dir_;
};
// The item of the bar's menus (and their submenus) with that text, or null.
inline QAction* FindAction(const QMenuBar* bar, const QString& text) {
    for (QMenu* menu : bar->findChildren<QMenu*>()) {
        for (QAction* action : menu->actions()) {
            if (action->text() == text)
                return action;
        }
    }
    return nullptr;
}

class LabWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm1>(std::make_unique<SilentMessages>(&said));
        instructions = std::make_unique<TForm2>();
        form->SetInstructions(instructions.get());
        form->Tools().ChooseSaveFile = [this](const QString&, const QString& suggested,
                                              const QString&) {
            suggestedNames.push_back(suggested.toStdString());
            return answer;
        };
        form->show();
    }

    void StartWith(const char* workpiece, const char* tool) {
        form->ComboBox1->setCurrentIndex(form->ComboBox1->findText(QString::fromUtf8(workpiece)));
        form->ComboBox2->setCurrentIndex(form->ComboBox2->findText(QString::fromUtf8(tool)));
        QTest::mouseClick(form->Button1, Qt::LeftButton);
    }
    // Ticks as the timer would give them, until the run stops or count ticks have run.
    int Tick(int count = 100000) {
        int run = 0;
        while (run < count && form->Timer1->isActive()) {
            form->Timer1Timer();
            ++run;
        }
        return run;
    }
    QString PathOf(const char* name) const { return QDir(dir.path()).filePath(name); }

    QTemporaryDir dir;
    QString answer; // what the save dialog answers; "" cancels
    std::vector<std::string> suggestedNames;
    std::vector<std::string> said;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TForm2> instructions;
};

} // namespace app

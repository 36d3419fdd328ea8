// Shared main of the test programs: Qt offscreen, the imaging library, and a fresh HOME per test.
#include <cstdlib>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "imaging/testing/ImagingTestSeams.h"
#include "imaging/ImagingRuntime.h"
#include "services/SystemInfo.h"

namespace {

class FreshHomePerTest final : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo&) override
    {
        home_ = std::make_unique<QTemporaryDir>();
        const QByteArray home = QFile::encodeName(home_->path());
        setenv("HOME", home.constData(), 1);
        setenv("XDG_CONFIG_HOME", (home + "/.config").constData(), 1);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home_->path() + "/.config");
        platform::SetSystemQueryFailures(false, false);
        platform::ForceAllocationFailures(false);
    }
    void OnTestEnd(const ::testing::TestInfo&) override { home_.reset(); }

private:
    std::unique_ptr<QTemporaryDir> home_;
};

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pictorelle"));
    if (!platform::StartImaging(argv[0]))
        return 2;
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshHomePerTest);
    const int result = RUN_ALL_TESTS();
    platform::StopImaging();
    return result;
}

// Photos another program changes while they are read: each fails alone, saying so.
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "batch/BatchConversion.h"
#include "imaging/testing/ImagingTestSeams.h"
#include "support/Fixtures.h"
#include "support/MainDialogFixture.h"
#include "system/MappedFile.h"

namespace {

class Results final : public BatchListener {
public:
    void Started(int, platform::PhotoFormat) override {}
    void Told(int, const QString&, const QString&) override {}
    void Finished(int index, PhotoResult result, const QString& reason) override
    {
        const std::lock_guard lock(mutex);
        results[index] = {result, reason};
    }
    std::mutex mutex;
    std::map<int, std::pair<PhotoResult, QString>> results;
};

// Cuts the photo to half its size, once opened, when it is the one named b.jpg.
void CutB(int fd)
{
    char link[64];
    char name[4096] = {};
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    struct stat st {};
    if (::readlink(link, name, sizeof name - 1) > 0 && QByteArray(name).endsWith("/b.jpg") && ::fstat(fd, &st) == 0)
        EXPECT_EQ(::truncate(name, st.st_size / 2), 0);
}

class ChangingPhotosTest : public MainDialogFixture {};

TEST_F(ChangingPhotosTest, APhotoCutWhileItIsReadFailsAloneAndTheOthersConvert)
{
    QList<BatchPhoto> photos;
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
        photos.append({WriteNoise(TempPath(name), 600, 400), {}});
    ConversionRequest request;
    request.outputFolder = TempPath("out");
    Results listener;
    platform::ChangePhotosAsOpened(CutB);
    const BatchSummary summary = RunBatchConversion(request, photos, listener, nullptr, MessageTexts::Current());
    platform::ChangePhotosAsOpened(nullptr);
    EXPECT_EQ(summary.converted, 2);
    EXPECT_EQ(summary.failed, 1);
    ASSERT_EQ(listener.results.count(1), 1u);
    EXPECT_EQ(listener.results[1].first, PhotoResult::Failed);
    EXPECT_TRUE(listener.results[1].second.endsWith("(the file changed while it was read)"))
        << listener.results[1].second.toStdString();
    EXPECT_EQ(QDir(TempPath("out")).entryList(QDir::Files | QDir::Hidden), (QStringList{"a_out.png", "c_out.png"}));
}

// A mapped file cut by another program reads zeros past its new end instead of ending the process.
TEST_F(ChangingPhotosTest, AMappedFileCutUnderItsReaderReadsAsChanged)
{
    const long page = ::sysconf(_SC_PAGESIZE);
    WriteAll(TempPath("f"), QByteArray(int(page * 4), 'x'));
    QFile file(TempPath("f"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const platform::MappedFile mapped(file.handle());
    ASSERT_EQ(mapped.Size(), std::size_t(page * 4));
    EXPECT_FALSE(mapped.Changed());
    ASSERT_TRUE(file.resize(page));
    std::size_t xs = 0;
    for (std::size_t i = 0; i < mapped.Size(); ++i)
        xs += mapped.Data()[i] == 'x';
    EXPECT_EQ(xs, std::size_t(page));
    EXPECT_TRUE(mapped.Changed());
}

}  // namespace

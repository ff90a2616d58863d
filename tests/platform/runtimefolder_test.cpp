// A start without XDG_RUNTIME_DIR names Qt's fallback folder itself, so Qt has nothing to warn
// about; a folder that is not safely ours is left for Qt to tell.
#include "platform/runtimefolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Runs each case with its own temp folder and no runtime folder named, and puts both back after.
class RuntimeFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        qunsetenv("XDG_RUNTIME_DIR");
    }
    void TearDown() override
    {
        restore("TMPDIR", oldTmp);
        restore("XDG_RUNTIME_DIR", oldRuntime);
    }
    static void restore(const char* name, const QByteArray& value)
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    QString fallback() const
    {
        const QStringList made = QDir(temp.path()).entryList({QStringLiteral("runtime-*")}, QDir::Dirs);
        return made.size() == 1 ? temp.filePath(made.first()) : QString();
    }

    QByteArray oldTmp = qgetenv("TMPDIR");
    QByteArray oldRuntime = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR") ? qgetenv("XDG_RUNTIME_DIR") : QByteArray();
    QTemporaryDir temp;
};

TEST_F(RuntimeFolder, AnUnsetVariableGetsAPrivateFolderOfOurOwn)
{
    const QString named = provideRuntimeFolder();
    ASSERT_FALSE(named.isEmpty());
    EXPECT_EQ(named, fallback());
    EXPECT_EQ(qEnvironmentVariable("XDG_RUNTIME_DIR"), named);
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(named).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(st.st_uid, getuid());
    // A second start finds it there and names it again.
    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(provideRuntimeFolder(), named);
}

TEST_F(RuntimeFolder, AVariableSetAlreadyStays)
{
    qputenv("XDG_RUNTIME_DIR", "/run/user/4242");
    EXPECT_EQ(provideRuntimeFolder(), QString());
    EXPECT_EQ(qgetenv("XDG_RUNTIME_DIR"), QByteArray("/run/user/4242"));
    EXPECT_EQ(fallback(), QString()) << "nothing made in the temp folder";
}

TEST_F(RuntimeFolder, AFolderOthersMayOpenIsLeftForQtToTell)
{
    ASSERT_EQ(provideRuntimeFolder().isEmpty(), false);
    const QString folder = fallback();
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0755), 0);
    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(provideRuntimeFolder(), QString());
    EXPECT_FALSE(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"));
    // Not a folder at all: a file under that name.
    ASSERT_TRUE(QDir(folder).removeRecursively());
    QFile file(folder);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(provideRuntimeFolder(), QString());
    EXPECT_FALSE(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"));
}

}  // namespace

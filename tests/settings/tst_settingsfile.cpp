#include "common/Conversions.h"
#include "common/Error.h"
#include "common/SafeFile.h"
#include "settings/SettingsFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace morvane;

class SettingsFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path() const { return m_dir.filePath(QStringLiteral("morvane2010.ini")); }

    void writeRaw(const QByteArray& bytes) const
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    QByteArray readRaw() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void cleanup()
    {
        QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                | QFileDevice::ExeOwner);
        QFile::remove(path());
        setBeforeCommitHookForTesting({});
    }

    void reading_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");

        QTest::newRow("plain") << QByteArray("[Morvane 2010]\r\nThumbsSize=185\r\n") << "ThumbsSize" << "185";
        QTest::newRow("blanks around") << QByteArray("[Morvane 2010]\nSalonName =  Ana Salon \t\n")
                                       << "SalonName" << "Ana Salon";
        QTest::newRow("double quotes") << QByteArray("[Morvane 2010]\nSalonName=\" Ana \"\n")
                                       << "SalonName" << " Ana ";
        QTest::newRow("single quotes") << QByteArray("[Morvane 2010]\nSalonName='Ana'\n") << "SalonName" << "Ana";
        QTest::newRow("one quote only") << QByteArray("[Morvane 2010]\nSalonName=\"Ana\n")
                                        << "SalonName" << "\"Ana";
        QTest::newRow("only one pair removed")
            << QByteArray("[Morvane 2010]\nSalonName=\"\"Ana\"\"\n") << "SalonName" << "\"Ana\"";
        QTest::newRow("section case") << QByteArray("[MORVANE 2010]\nLanguage=BR\n") << "Language" << "BR";
        QTest::newRow("key case") << QByteArray("[Morvane 2010]\nlanguage=BR\n") << "Language" << "BR";
        QTest::newRow("first key wins")
            << QByteArray("[Morvane 2010]\nAutoTime=2\nAutoTime=7\n") << "AutoTime" << "2";
        QTest::newRow("first section wins")
            << QByteArray("[Morvane 2010]\nAutoTime=2\n[Morvane 2010]\nAutoTime=7\nVersion=9\n")
            << "Version" << "";
        QTest::newRow("other section ignored")
            << QByteArray("[Other]\nAutoTime=7\n[Morvane 2010]\nVersion=1\n") << "AutoTime" << "";
        QTest::newRow("text after first equals")
            << QByteArray("[Morvane 2010]\nSalonName=a=b\n") << "SalonName" << "a=b";
        QTest::newRow("comment line") << QByteArray("[Morvane 2010]\n;AutoTime=7\n") << "AutoTime" << "";
        QTest::newRow("missing key") << QByteArray("[Morvane 2010]\nVersion=1\n") << "AutoTime" << "";
        QTest::newRow("no trailing newline") << QByteArray("[Morvane 2010]\nVersion=1.0") << "Version" << "1.0";
        QTest::newRow("windows-1252 bytes")
            << QByteArray("[Morvane 2010]\nSalonName=Sal\xe3o \x80\n") << "SalonName" << "Salão €";
        QTest::newRow("utf-8") << QByteArray("[Morvane 2010]\nSalonName=Salão\n") << "SalonName" << "Salão";
        QTest::newRow("binary bytes")
            << QByteArray("[Morvane 2010]\nVersion=1\0\xff\x01\n", 23) << "AutoTime" << "";
    }

    void reading()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        writeRaw(content);
        QCOMPARE(SettingsFile(path()).read(key), expected);
    }

    void absentFileReadsEmpty()
    {
        QCOMPARE(SettingsFile(m_dir.filePath(QStringLiteral("none.ini"))).read(QStringLiteral("Version")),
                 QString());
    }

    void longValueIsCut()
    {
        writeRaw("[Morvane 2010]\nSalonName=" + QByteArray(1024 * 1024, 'x') + "\nVersion=2\n");
        const SettingsFile settings(path());
        QCOMPARE(settings.read(QStringLiteral("SalonName")).size(), SettingsFile::kMaxValueLength);
        QCOMPARE(settings.read(QStringLiteral("Version")), QStringLiteral("2"));
    }

    void writing_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");

        QTest::newRow("replace in place keeps other lines")
            << QByteArray("; salon\r\n[Morvane 2010]\r\nVersion=1\r\nautotime = 3\r\nLanguage=EN\r\n")
            << "AutoTime" << "5"
            << QByteArray("; salon\r\n[Morvane 2010]\r\nVersion=1\r\nautotime=5\r\nLanguage=EN\r\n");
        QTest::newRow("append to section before blank lines and next section")
            << QByteArray("[Morvane 2010]\nVersion=1\n\n[Other]\nA=1\n") << "AutoTime" << "4"
            << QByteArray("[Morvane 2010]\nVersion=1\nAutoTime=4\n\n[Other]\nA=1\n");
        QTest::newRow("add section at end")
            << QByteArray("[Other]\r\nA=1") << "AutoTime" << "4"
            << QByteArray("[Other]\r\nA=1\r\n[Morvane 2010]\r\nAutoTime=4\r\n");
        QTest::newRow("create file") << QByteArray() << "ThumbsSize" << "185"
                                     << QByteArray("[Morvane 2010]\r\nThumbsSize=185\r\n");
        QTest::newRow("value kept on one line")
            << QByteArray("[Morvane 2010]\n") << "SalonName" << "Ana\nBeauty"
            << QByteArray("[Morvane 2010]\nSalonName=Ana Beauty\n");
        QTest::newRow("last line ends in a lone carriage return")
            << QByteArray("[Other]\nA=1\r") << "AutoTime" << "4"
            << QByteArray("[Other]\nA=1\r\n[Morvane 2010]\nAutoTime=4\n");
        QTest::newRow("windows-1252 file rewritten as utf-8, text kept")
            << QByteArray("[Morvane 2010]\r\nSalonName=Sal\xe3o\r\nVersion=1\r\n") << "Version" << "2"
            << QByteArray("[Morvane 2010]\r\nSalonName=Salão\r\nVersion=2\r\n");
    }

    void writing()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        if (!before.isEmpty())
            writeRaw(before);
        SettingsFile(path()).write(key, value);
        QCOMPARE(readRaw(), after);
    }

    void writtenValueReadsBackFromFoundFiles_data()
    {
        QTest::addColumn<QString>("fixture");
        // Inputs that once broke the rule that a written key reads back.
        QTest::newRow("lone carriage return at the end") << "ends-with-lone-cr.ini";
    }

    void writtenValueReadsBackFromFoundFiles()
    {
        QFETCH(QString, fixture);
        QFile source(qEnvironmentVariable("MORVANE_TEST_DATA") + QStringLiteral("/settings/") + fixture);
        QVERIFY(source.open(QIODevice::ReadOnly));
        writeRaw(source.readAll());
        const SettingsFile settings(path());
        settings.write(QStringLiteral("SalonName"), QStringLiteral("Fuzz Salon"));
        QCOMPARE(settings.read(QStringLiteral("SalonName")), QStringLiteral("Fuzz Salon"));
    }

    void writtenValueReadsBack()
    {
        const SettingsFile settings(path());
        settings.write(QStringLiteral("SalonName"), QStringLiteral("Salão Beleza €"));
        QCOMPARE(settings.read(QStringLiteral("SalonName")), QStringLiteral("Salão Beleza €"));
    }

    void unwritableFolderFailsAndKeepsFile()
    {
        writeRaw("[Morvane 2010]\nVersion=1\n");
        QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (QFileInfo(m_dir.path()).isWritable())
            QSKIP("running with rights that ignore folder permissions");
        try {
            SettingsFile(path()).write(QStringLiteral("Version"), QStringLiteral("2"));
            QFAIL("no error");
        } catch (const Error& error) {
            QCOMPARE(error.message(), QStringLiteral("Unable to write to %1").arg(path()));
        }
        QCOMPARE(readRaw(), QByteArray("[Morvane 2010]\nVersion=1\n"));
    }

    void interruptedWriteKeepsEarlierFile()
    {
        writeRaw("[Morvane 2010]\nVersion=1\n");
        setBeforeCommitHookForTesting([](const QString&) { throw Error(QStringLiteral("interrupted")); });
        QVERIFY_THROWS_EXCEPTION(Error, SettingsFile(path()).write(QStringLiteral("Version"), QStringLiteral("2")));
        QCOMPARE(readRaw(), QByteArray("[Morvane 2010]\nVersion=1\n"));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("morvane2010.ini")});
    }

    void integerConversion_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "30" << true << 30;
        QTest::newRow("signed") << "-5" << true << -5;
        QTest::newRow("plus") << "+5" << true << 5;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("decimal") << "185.0" << false << 0;
        QTest::newRow("letters") << "abc" << false << 0;
        QTest::newRow("blank inside") << " 5" << false << 0;
        QTest::newRow("too large") << "99999999999" << false << 0;
    }

    void integerConversion()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, value);
        if (valid) {
            QCOMPARE(toInteger(text), value);
            return;
        }
        try {
            toInteger(text);
            QFAIL("no error");
        } catch (const Error& error) {
            QCOMPARE(error.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
        }
    }

    void floatConversion_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::newRow("whole") << "185" << true << 185.0;
        QTest::newRow("point") << "2.5" << true << 2.5;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("letters") << "big" << false << 0.0;
        QTest::newRow("infinite") << "inf" << false << 0.0;
    }

    void floatConversion()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(double, value);
        if (valid) {
            QCOMPARE(toFloat(text), value);
            return;
        }
        try {
            toFloat(text);
            QFAIL("no error");
        } catch (const Error& error) {
            QCOMPARE(error.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
        }
    }

    void numbersWrittenWhole()
    {
        QCOMPARE(numberToText(185.0), QStringLiteral("185"));
        QCOMPARE(numberToText(-3.0), QStringLiteral("-3"));
        QCOMPARE(numberToText(2.5), QStringLiteral("2.5"));
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "tst_settingsfile.moc"

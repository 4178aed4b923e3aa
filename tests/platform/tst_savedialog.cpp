#include "platform/QtDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace morvane;

namespace {

// Runs `act` once on the next modal window of type T (or named `name`)
// that comes up while a dialog runs its own loop.
template <typename T>
void whenModal(const QString& name, std::function<void(T*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, name, act] {
        auto* widget = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!widget || (!name.isEmpty() && widget->objectName() != name))
            return;
        timer->stop();
        timer->deleteLater();
        act(widget);
    });
    timer->start();
}

void pressButton(QMessageBox* box, const QString& text)
{
    for (QAbstractButton* button : box->buttons()) {
        if (button->text() == text)
            button->click();
    }
}

} // namespace

class TestSaveDialog : public QObject {
    Q_OBJECT
private slots:
    void replacingAFileIsAskedFirst_data();
    void replacingAFileIsAskedFirst();
    void theOptionsGiveTheJpegQuality();
};

void TestSaveDialog::replacingAFileIsAskedFirst_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("answer"); // empty: no question expected
    QTest::addColumn<QString>("chosen"); // empty: nothing chosen
    QTest::newRow("existing, yes") << "photo.jpg" << "&Yes" << "photo.jpg";
    QTest::newRow("existing, no") << "photo.jpg" << "&No" << "";
    QTest::newRow("new name without extension") << "result" << "" << "result.jpg";
}

void TestSaveDialog::replacingAFileIsAskedFirst()
{
    QFETCH(QString, typed);
    QFETCH(QString, answer);
    QFETCH(QString, chosen);
    QTemporaryDir folder;
    QFile existing(folder.filePath(QStringLiteral("photo.jpg")));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("earlier picture");
    existing.close();

    QString question;
    whenModal<QFileDialog>(QStringLiteral("SD_SALVAR"), [&](QFileDialog* dialog) {
        if (!answer.isEmpty()) {
            whenModal<QMessageBox>(QString(), [&, dialog](QMessageBox* box) {
                question = box->text();
                pressButton(box, answer);
                // After No the dialog stays open for another name: leave it.
                if (answer == QLatin1String("&No"))
                    QTimer::singleShot(0, dialog, &QDialog::reject);
            });
        }
        dialog->selectFile(typed);
        static_cast<QDialog*>(dialog)->accept();
    });
    QtDialogs dialogs;
    SaveRequest request;
    request.folder = folder.path();
    request.nameFilters = {QStringLiteral("JPEG files (*.jpg *.jpeg)"), QStringLiteral("PNG files (*.png)")};
    request.defaultSuffix = QStringLiteral("jpg");
    const SaveChoice choice = dialogs.saveFile(nullptr, request);

    QCOMPARE(choice.path, chosen.isEmpty() ? QString() : folder.filePath(chosen));
    QCOMPARE(question.isEmpty(), answer.isEmpty());
    if (!answer.isEmpty())
        QCOMPARE(question, QStringLiteral("photo.jpg already exists.\nDo you want to replace it?"));
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), QByteArray("earlier picture"));
}

void TestSaveDialog::theOptionsGiveTheJpegQuality()
{
    QTemporaryDir folder;
    whenModal<QFileDialog>(QStringLiteral("SD_SALVAR"), [](QFileDialog* dialog) {
        whenModal<QDialog>(QStringLiteral("JpegOptions"), [dialog](QDialog* options) {
            options->findChild<QSpinBox*>(QStringLiteral("JpegQuality"))->setValue(55);
            options->accept();
            QTimer::singleShot(0, dialog, [dialog] {
                dialog->selectFile(QStringLiteral("result.jpg"));
                static_cast<QDialog*>(dialog)->accept();
            });
        });
        dialog->findChild<QPushButton*>(QStringLiteral("FormatOptions"))->click();
    });
    QtDialogs dialogs;
    SaveRequest request;
    request.folder = folder.path();
    request.jpegQualityOption = true;
    const SaveChoice choice = dialogs.saveFile(nullptr, request);
    QCOMPARE(choice.path, folder.filePath(QStringLiteral("result.jpg")));
    QCOMPARE(choice.jpegQuality, 55);
}

QTEST_MAIN(TestSaveDialog)
#include "tst_savedialog.moc"

#include "main_window.h"
#include "card_details_text.h"
#include "read_setup_summary.h"
#include "shown_path.h"

#include "card/card_dump.h"
#include "card/card_images.h"
#include "card/setup_record_file.h"
#include "card/virtual_reader.h"
#include "card_summary.h"
#include "dc_records_panel.h"
#include "fields/read_only_look.h"
#include "host_messages.h"
#include "laundry/laundry.h"
#include "reader_panel.h"
#include "services/cardcore.h"

#include "services/dao.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>
#include <QVBoxLayout>

namespace readermanager {
MainWindow::MainWindow(const QString& dataFolder, QWidget* parent)
    : QMainWindow(parent), settings_(dataFolder)
{
    setFileChooser({});
    setTextAsker({});
    createActions();
    createCentralWidget();
    data_ = prepareDataFolder(dataFolder);
    startUp();
}

MainWindow::~MainWindow() = default;

void MainWindow::createCentralWidget()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* top = new QHBoxLayout;
    layout->addLayout(top);

    readerPanel_ = new ReaderPanel(central);
    for (const char* name : {"insertCardAction", "newBlankCardAction", "ejectCardAction"})
        readerPanel_->addButton(action(QString::fromLatin1(name)));
    top->addWidget(readerPanel_, 3);

    auto* host = new QGroupBox(tr("Host"), central);
    auto* hostForm = new QFormLayout(host);
    customerId_ = new QSpinBox(host);
    customerId_->setObjectName(QStringLiteral("customerIdSpinBox"));
    customerId_->setRange(0, 0xFFFF);
    customerId_->setToolTip(tr("The customer id written onto the cards this host makes (0 to "
                               "65535)"));
    hostForm->addRow(tr("Customer id:"), customerId_);
    top->addWidget(host, 1, Qt::AlignTop);

    auto* details = new QGroupBox(tr("Card Details"), central);
    auto* detailsLayout = new QVBoxLayout(details);
    cardDetails_ = new QPlainTextEdit(details);
    cardDetails_->setObjectName(QStringLiteral("cardDetailsView"));
    cardDetails_->setReadOnly(true);
    fields::showReadOnlyLook(*cardDetails_, true);
    detailsLayout->addWidget(cardDetails_);
    layout->addWidget(details, 1);

    auto* contents = new QGroupBox(tr("Card Contents"), central);
    auto* contentsLayout = new QVBoxLayout(contents);
    cardView_ = new QPlainTextEdit(contents);
    cardView_->setObjectName(QStringLiteral("cardView"));
    cardView_->setReadOnly(true);
    fields::showReadOnlyLook(*cardView_, true);
    cardView_->setLineWrapMode(QPlainTextEdit::NoWrap);
    cardView_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    contentsLayout->addWidget(cardView_);
    layout->addWidget(contents, 1);

    // Shown once a data collection card has been read.
    dcRecords_ = new DcRecordsPanel(central);
    dcRecords_->setObjectName(QStringLiteral("dcRecordsPanel"));
    dcRecords_->hide();
    connect(dcRecords_, &DcRecordsPanel::recordActivated, this, &MainWindow::viewDcRecord);
    connect(dcRecords_, &DcRecordsPanel::storeRequested, this, &MainWindow::storeDcRecords);
    layout->addWidget(dcRecords_, 2);
    setCentralWidget(central);

    databaseLabel_ = new QLabel(this);
    databaseLabel_->setObjectName(QStringLiteral("databaseLabel"));
    statusBar()->addPermanentWidget(databaseLabel_);
    // Fits a 1366x768 screen at 150%.
    resize(900, 500);
}

void MainWindow::startUp()
{
    for (const QString& error : data_.errors)
        showError(error);
    // The database opened last, unless it is the folder's own or gone.
    if (const QString last = settings_.database();
        !last.isEmpty() && last != data_.databasePath &&
        (dbhelper::isServerDatabase(last) || QFileInfo::exists(last)))
        useDatabase(last);
    showDatabase();

    customerId_->setValue(settings_.customerId());
    connect(customerId_, &QSpinBox::valueChanged, this,
            [this](int value) { settings_.setCustomerId(uint16_t(value)); });
    setTokensEnabled(settings_.tokensEnabled());
    if (data_.createdDatabase)
        offerDemoData();

    restoreCard();
}

void MainWindow::restoreCard()
{
    const std::optional<LastCard> last = settings_.lastCard();
    if (last && last->path.isEmpty()) {
        refreshCard(); // left empty
        return;
    }
    if (last && QFileInfo::exists(last->path)) {
        QString error;
        if (card::insertCardFile(last->path, &error, last->imageIndex)) {
            refreshCard();
            return;
        }
    }
    // A first start, or the card the host was left with is gone or does not
    // go in: the data folder's own card.
    if (!data_.cardPath.isEmpty())
        insertCard(data_.cardPath);
    else
        refreshCard();
}

void MainWindow::rememberCard()
{
    settings_.setLastCard({card::hasCard() ? card::cardFilePath() : QString(),
                           card::hasCard() ? card::cardImageIndex() : 0});
}

void MainWindow::showDatabase()
{
    // The title names the installation: its folder, or the database file
    // when that lives elsewhere.
    const QString path = data_.databasePath;
    const bool server = dbhelper::isServerDatabase(path);
    const bool own = path.isEmpty() || (!server && QFileInfo(path).absolutePath() == data_.folder);
    setWindowTitle(tr("%1 - Reader Manager").arg(shownPath(own ? data_.folder : path)));
    const QString name = server ? dbhelper::shownDatabaseName(path) : QFileInfo(path).fileName();
    databaseLabel_->setText(path.isEmpty() ? tr("No database") : tr("Database: %1").arg(name));
    databaseLabel_->setToolTip(shownPath(path));
    updateActions();
}

bool MainWindow::report(bool done, const QString& success, const QString& failure)
{
    statusBar()->showMessage(done ? success : failure);
    return done;
}

uint16_t MainWindow::customerId() const
{
    return uint16_t(customerId_->value());
}

void MainWindow::setCustomerId(uint16_t id)
{
    customerId_->setValue(id);
}

void MainWindow::refreshCard()
{
    const CardSummary summary = summarizeCard(card::cardFilePath(), card::insertedCard());
    readerPanel_->showCard(summary);
    cardView_->setPlainText(summary.contents);
    cardDetails_->setPlainText(describeInsertedCard());
    updateActions();
}

bool MainWindow::insertCard(const QString& path)
{
    QString error;
    const bool inserted = card::insertCardFile(path, &error);
    if (!inserted)
        showError(tr("Could not insert the card file %1:\n%2").arg(shownPath(path), error));
    rememberCard();
    refreshCard();
    return report(inserted, tr("Card file %1 is in the reader.").arg(shownPath(path)),
                  tr("The card file %1 did not go into the reader.").arg(shownPath(path)));
}

bool MainWindow::newBlankCard(const QString& path)
{
    if (const QString error = card::createCardImageFile(path, card::NewCardFileOptions{});
        !error.isEmpty()) {
        showError(tr("Could not create the card file %1:\n%2").arg(shownPath(path), error));
        refreshCard();
        return report(false, {}, tr("No card file made."));
    }
    return insertCard(path);
}

void MainWindow::ejectCard()
{
    card::eject();
    rememberCard();
    refreshCard();
    report(true, tr("Card ejected: the reader is empty."), {});
}

bool MainWindow::requireCard()
{
    if (card::hasCard())
        return true;
    showError(tr("There is no card in the reader.\nInsert a card file or make a new blank card "
                 "first."));
    return report(false, {}, tr("There is no card in the reader."));
}

bool MainWindow::writeCard(STRUCT_laundry_setup& record)
{
    card::RexaCard image;
    const bool written = create_laundry_setup_card(&image, customerId(), &record, 0) == 1;
    if (!written && !image.lastError().isEmpty())
        showError(tr("Could not save the card file:\n%1").arg(image.lastError()));
    return written;
}

std::optional<STRUCT_laundry_setup> MainWindow::loadRecord(const QString& recordPath)
{
    QString error;
    std::optional<STRUCT_laundry_setup> record = card::readSetupRecordFile(recordPath, &error);
    if (!record) {
        showError(tr("Could not read the setup record:\n%1").arg(error));
        return std::nullopt;
    }
    // The card header carries the customer id of the host that wrote it.
    record->word_02 = customerId();
    return record;
}

bool MainWindow::writeSetupCardFromRecord(const QString& recordPath)
{
    bool written = false;
    if (requireCard()) {
        if (std::optional<STRUCT_laundry_setup> record = loadRecord(recordPath)) {
            written = writeCard(*record);
        }
    }
    refreshCard();
    return report(written,
                  tr("Setup card written from the record file %1.").arg(shownPath(recordPath)),
                  tr("No setup card written."));
}

bool MainWindow::readSetupCard()
{
    if (!requireCard())
        return false;
    STRUCT_laundry_setup record{};
    clear_laundry_setup_struct(&record);
    uint8_t version = 0;
    const bool read = read_laundry_setup_card(&record, &version) == 1;
    refreshCard();
    // The library reads silently; the host says what happened.
    if (!read) {
        showError(tr("The card in the reader is not a Retrofit or Maytag Gen2 setup card, or it "
                     "could not be read."));
        return report(false, {}, tr("No setup card read."));
    }
    report(true, tr("Setup card read."), {});
    showInformation(describeReadSetup(record, version), tr("Setup Card"));
    return true;
}

bool MainWindow::writeSetupFileFromRecord(const QString& recordPath, const QString& outPath)
{
    const QString noFile = tr("No setup file written.");
    std::optional<STRUCT_laundry_setup> record = loadRecord(recordPath);
    if (!record)
        return report(false, {}, noFile);
    card::RexaFile image;
    if (!image.InitForWrite(outPath)) {
        showError(tr("Could not write the setup file %1:\n%2")
                      .arg(shownPath(outPath), image.lastError()));
        return report(false, {}, noFile);
    }
    const bool written = create_laundry_setup_card(&image, customerId(), &*record, 0) == 1;
    // The library has said that the file was not written; the host adds why
    // the file could not be loaded or saved.
    if (!written && !image.lastError().isEmpty())
        showError(tr("Could not write the setup file %1:\n%2")
                      .arg(shownPath(outPath), image.lastError()));
    // The reader holds its card in memory: it must see what was written into
    // its own file, and must not save an older copy over it later.
    const QString inReader = card::cardFilePath();
    if (written && !inReader.isEmpty() &&
        QFileInfo(inReader).absoluteFilePath() == QFileInfo(outPath).absoluteFilePath()) {
        QString error;
        if (!card::insertCardFile(inReader, &error, card::cardImageIndex()))
            showError(error);
    }
    refreshCard();
    return report(written, tr("Setup file %1 written.").arg(shownPath(outPath)), noFile);
}

void MainWindow::setTokensEnabled(bool enabled)
{
    if (QAction* tokens = action(QStringLiteral("tokensEnabledAction"))) {
        const QSignalBlocker block(tokens);
        tokens->setChecked(enabled);
    }
    settings_.setTokensEnabled(enabled);
    cardcore::SetTokensEnabled(enabled);
}

} // namespace readermanager

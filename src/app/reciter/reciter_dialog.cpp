#include "reciter/reciter_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>
#include <exception>

#include "reciter/chapter_title.h"
#include "reciter/content_swap.h"
#include "reciter/file_chooser.h"
#include "reciter/reciter_build.h"
#include "reciter/reciter_report.h"
#include "view/arabic_font.h"
#include "view/isolated.h"

namespace hifz {
namespace {

const QString kTitle = QStringLiteral("إضافة قارئ");

void say(const QString& line) { std::fprintf(stderr, "hifz: %s\n", qPrintable(line)); }

QLabel* wrappedLabel(const QString& text) {
  auto* label = new QLabel(text);
  label->setWordWrap(true);
  return label;
}

// A page: its texts above, its buttons in a row below.
QWidget* page(std::initializer_list<QWidget*> contents,
              std::initializer_list<QPushButton*> buttons) {
  auto* widget = new QWidget;
  auto* layout = new QVBoxLayout(widget);
  for (QWidget* content : contents) layout->addWidget(content);
  layout->addStretch();
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (QPushButton* button : buttons) row->addWidget(button);
  layout->addLayout(row);
  return widget;
}

}  // namespace

ReciterDialog::ReciterDialog(QString source, std::filesystem::path userFolder, QWidget* parent)
    : QDialog(parent), source_(std::move(source)), userFolder_(std::move(userFolder)) {
  setWindowTitle(kTitle);
  setLayoutDirection(Qt::RightToLeft);
  QFont font(kArabicFont);
  font.setPointSizeF(12);
  setFont(font);
  setMinimumSize(520, 320);

  // The title strip of the program's own dialog.
  auto* strip = new QLabel(kTitle);
  strip->setAutoFillBackground(true);
  strip->setForegroundRole(QPalette::HighlightedText);
  strip->setBackgroundRole(QPalette::Highlight);
  strip->setContentsMargins(8, 4, 8, 4);

  auto* zip = new QPushButton(QStringLiteral("ملف مضغوط…"));
  auto* folder = new QPushButton(QStringLiteral("مجلد…"));
  auto* giveUp = new QPushButton(QStringLiteral("إلغاء"));
  connect(zip, &QPushButton::clicked, this, &ReciterDialog::chooseZip);
  connect(folder, &QPushButton::clicked, this, &ReciterDialog::chooseFolder);
  connect(giveUp, &QPushButton::clicked, this, &ReciterDialog::reject);

  chapter_ = wrappedLabel({});
  bar_ = new QProgressBar;
  auto* stop = new QPushButton(QStringLiteral("إلغاء"));
  connect(stop, &QPushButton::clicked, this, &ReciterDialog::reject);

  report_ = new QTextBrowser;
  question_ = wrappedLabel({});
  yes_ = new QPushButton(QStringLiteral("نعم"));
  no_ = new QPushButton(QStringLiteral("لا"));
  connect(yes_, &QPushButton::clicked, this, &ReciterDialog::install);
  connect(no_, &QPushButton::clicked, this, &ReciterDialog::reject);

  failure_ = wrappedLabel({});
  failure_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* understood = new QPushButton(QStringLiteral("موافق"));
  connect(understood, &QPushButton::clicked, this, &ReciterDialog::reject);

  pages_ = new QStackedWidget;
  pages_->addWidget(page({wrappedLabel(QStringLiteral("اختر ملفات القارئ: ملفًا مضغوطًا (zip) أو "
                                                      "مجلدًا، فيه ملف MP3 لكل آية، اسمه رقم "
                                                      "السورة ثم رقم الآية، مثل %1 للآية الأولى "
                                                      "من سورة الناس.")
                                           .arg(isolatedLtr(QStringLiteral("114001.mp3"))))},
                         {zip, folder, giveUp}));
  pages_->addWidget(page(
      {wrappedLabel(QStringLiteral("جارٍ بناء المحتوى من ملفات القارئ…")), chapter_, bar_}, {stop}));
  pages_->addWidget(page({report_, question_}, {yes_, no_}));
  pages_->addWidget(page({failure_}, {understood}));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(strip);
  auto* body = new QVBoxLayout;
  body->setContentsMargins(12, 8, 12, 12);
  body->addWidget(pages_);
  layout->addLayout(body);
}

ReciterDialog::~ReciterDialog() = default;

void ReciterDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (started_) return;
  started_ = true;
  if (!source_.isEmpty()) {
    const QString source = source_;
    QTimer::singleShot(0, this, [this, source] { startBuild(source); });
  }
}

void ReciterDialog::chooseZip() {
  const QString file = chooseZipFile(this);
  if (!file.isEmpty()) startBuild(file);
}

void ReciterDialog::chooseFolder() {
  const QString folder = chooseFilesFolder(this);
  if (!folder.isEmpty()) startBuild(folder);
}

void ReciterDialog::startBuild(const QString& source) {
  say(QStringLiteral("adding a reciter from %1 into %2")
          .arg(source, QString::fromStdString(userFolder_.string())));
  setWindowTitle(kTitle + QStringLiteral(": جارٍ البناء"));
  pages_->setCurrentIndex(1);
  chapter_->setText({});
  bar_->setRange(0, 0);
  build_ = std::make_unique<ReciterBuild>(source.toStdString(), userFolder_);
  connect(build_.get(), &ReciterBuild::chapterStarted, this, &ReciterDialog::showProgress);
  connect(build_.get(), &ReciterBuild::problemFound, this,
          [](const QString& problem) { say(problem); });
  connect(build_.get(), &ReciterBuild::built, this, &ReciterDialog::showSummary);
  connect(build_.get(), &ReciterBuild::failed, this, &ReciterDialog::showFailure);
  connect(build_.get(), &ReciterBuild::cancelled, this, [this] {
    say(QStringLiteral("adding the reciter was cancelled; nothing changed"));
    build_.reset();
    QDialog::reject();
  });
  build_->start();
}

void ReciterDialog::showProgress(const QString& chapter, int done, int total) {
  const QString title = arabicChapterTitle(chapter.toStdString());
  say(QStringLiteral("building %1, %2 (%3 of %4 chapters done)")
          .arg(chapter, title)
          .arg(done)
          .arg(total));
  const QLocale locale;
  chapter_->setText(QStringLiteral("%1\nالسور المبنية: %2 من %3")
                        .arg(title, locale.toString(done), locale.toString(total)));
  bar_->setRange(0, total);
  bar_->setValue(done);
}

void ReciterDialog::showSummary() {
  say(QStringLiteral("built: %1").arg(reciterReportLine(build_->summary())));
  setWindowTitle(kTitle + QStringLiteral(": تم البناء"));
  report_->setPlainText(reciterReport(build_->summary()));
  question_->setText(QStringLiteral("هل تقرأ بهذا القارئ من الآن، بدل المحتوى الذي تقرأ به؟"));
  pages_->setCurrentIndex(2);
  yes_->setDefault(true);
  yes_->setFocus();
}

void ReciterDialog::showFailure(const QString& reason) {
  showTrouble(reason, QStringLiteral(": تعذّر البناء"),
              QStringLiteral("تعذّر بناء المحتوى من هذه الملفات:\n%1\n\nبقي المحتوى الذي تقرأ "
                             "به كما هو.")
                  .arg(reason));
}

void ReciterDialog::showTrouble(const QString& reason, const QString& title, const QString& text) {
  say(QStringLiteral("the reciter could not be added: %1").arg(reason));
  setWindowTitle(kTitle + title);
  failure_->setText(text);
  pages_->setCurrentIndex(3);
  build_.reset();
}

void ReciterDialog::install() {
  try {
    build_->install();
  } catch (const std::exception& error) {
    // The build went well: what failed is putting it in place.
    const QString reason = QString::fromStdString(error.what());
    const QString outcome =
        dynamic_cast<const PartlySwapped*>(&error) != nullptr
            ? QStringLiteral("وُضع مجلد البيانات الجديد وحده في مكانه، وبقي سائر المحتوى كما كان.")
            : QStringLiteral("بقي المحتوى الذي تقرأ به كما هو.");
    showTrouble(reason, QStringLiteral(": تعذّرت الإضافة"),
                QStringLiteral("تعذّر وضع المحتوى الجديد مكان الذي تقرأ به:\n%1\n\n%2")
                    .arg(reason, outcome));
    return;
  }
  build_.reset();
  installed_ = true;
  say(QStringLiteral("the new reciter is in %1").arg(QString::fromStdString(userFolder_.string())));
  accept();
}

void ReciterDialog::reject() {
  // A running build ends first; its end closes the dialog, with nothing changed.
  if (build_ && pages_->currentIndex() == 1) {
    build_->cancel();
    return;
  }
  if (build_) say(QStringLiteral("the new reciter was not taken; nothing changed"));
  build_.reset();
  QDialog::reject();
}

}  // namespace hifz

#pragma once
// The report window for the operator: the result on top, a table by period
// and the events in order, read afresh from the match record each time it
// is opened or refreshed. It is an ordinary window beside the operator
// window, never modal to it; its save dialogs block only itself.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "app/program.h"
#include "report/story.h"

class QLabel;
class QTableWidget;
class QPushButton;

namespace tabrino::qt {

class ReportWindow : public QWidget {
    Q_OBJECT

public:
    // `readRecord` returns the record's bytes as they stand, or nullopt
    // with the reason when it cannot be read.
    using RecordReader = std::function<std::optional<std::string>(std::string& why)>;
    explicit ReportWindow(RecordReader readRecord, QWidget* parent = nullptr);

    // Reads the record again and shows its current match.
    void refresh();
    const std::optional<report::Match>& match() const { return match_; }

    // Where the save dialogs start (the documents folder by default).
    void setFolder(const QString& folder) { folder_ = folder; }
    // Writes without asking (tests, and the dialogs' choice).
    bool savePdf(const QString& path);
    bool saveCsv(const QString& path);
    QString status() const;
    // The file name offered by the save dialogs, without its folder.
    QString defaultName(const QString& suffix) const;

private:
    void askWhere(const QString& suffix);
    void fill();

    RecordReader read_;
    std::optional<report::Match> match_;
    QString folder_;
    QLabel* result_ = nullptr;
    QLabel* verdict_ = nullptr;
    QLabel* status_ = nullptr;
    QTableWidget* periods_ = nullptr;
    QTableWidget* events_ = nullptr;
    QPushButton* pdf_ = nullptr;
    QPushButton* csv_ = nullptr;
};

// Opens the report from the operator window's icon and the end screen's
// button; one report window at a time, raised when asked again.
class ReportLink : public QObject {
    Q_OBJECT

public:
    ReportLink(Program& p, ReportWindow::RecordReader readRecord);
    ~ReportLink() override;
    void open();
    ReportWindow* window() const { return window_; }

private:
    ReportWindow::RecordReader read_;
    QPointer<ReportWindow> window_;
};

}  // namespace tabrino::qt

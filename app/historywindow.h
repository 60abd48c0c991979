#pragma once

#include "historystore.h"

#include <QDialog>
#include <functional>

class Prompts;
class QLabel;
class QPushButton;
class QTableWidget;
class QTreeWidget;

// The kept setting images, newest first, each compared value by value with
// what the main window holds now (or with a chosen setting file). It knows
// nothing of the main window: it asks imageSource for the window's image and
// hands a chosen entry back through loadRequested.
class HistoryWindow : public QDialog {
    Q_OBJECT
public:
    // The window's image as 64 characters, or empty when none can be built.
    using ImageSource = std::function<QString()>;

    enum ListColumn { DateColumn, KindColumn, PortColumn, ControllerColumn, DifferencesColumn };
    enum TableColumn {
        MarkColumn,
        CaptionColumn,
        UnitColumn,
        EntryColumn,
        OtherColumn,
        DefaultColumn
    };
    static const QString DiffersMark; // "≠"

    HistoryWindow(
        HistoryStore& store, Prompts& prompts, ImageSource imageSource, QWidget* parent = nullptr);

    // Reads the store and the window's image again; takes the store's failure
    // notice, since this window states it.
    void refresh();
    // Factory settings, when known, fill the default column; it stays hidden
    // otherwise.
    void setDefaultImage(const QString& image);

    QTreeWidget* list() const { return m_list; }
    QTableWidget* table() const { return m_table; }
    QLabel* problem() const { return m_problem; }
    QPushButton* cmdLoad() const { return m_load; }
    QPushButton* cmdSaveAs() const { return m_saveAs; }
    QPushButton* cmdCompareFile() const { return m_compareFile; }
    QPushButton* cmdCompareWindow() const { return m_compareWindow; }

    void loadSelected();
    void saveSelectedAs();
    void compareWithFile();
    void compareWithWindow();

signals:
    // Put image into the main window as File > Open would.
    void loadRequested(const QString& image);

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    // Every text in the language shown; the entries stay as they are.
    void retranslate();
    void fillList();
    void showSelected();
    const HistoryStore::Entry* selected() const;
    QString otherImage() const;

    HistoryStore& m_store;
    Prompts& m_prompts;
    ImageSource m_imageSource;
    QList<HistoryStore::Entry> m_entries;
    QString m_file; // compared instead of the window when not empty
    QString m_fileImage;
    QString m_defaultImage;

    QLabel* m_problem = nullptr;
    QTreeWidget* m_list = nullptr;
    QTableWidget* m_table = nullptr;
    QPushButton* m_load = nullptr;
    QPushButton* m_saveAs = nullptr;
    QPushButton* m_compareFile = nullptr;
    QPushButton* m_compareWindow = nullptr;
    QPushButton* m_close = nullptr;
};

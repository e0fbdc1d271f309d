#pragma once
#include <QString>
#include <QStringList>

class QWidget;

// The editor's file dialogues, behind a seam: the window uses Qt's dialogue; tests install
// their own answers.

// The chosen file (empty after cancel) and the 1-based index of the chosen filter line.
struct FileChoice {
    QString fileName;
    int filterIndex = 1;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // filter uses the "description|pattern|description|pattern|" form of the file filters.
    virtual FileChoice openFile(QWidget* parent, const QString& filter, const QString& initialFolder) = 0;
    virtual FileChoice saveFile(QWidget* parent, const QString& filter, const QString& initialFolder) = 0;
};

class QtFileDialogs : public FileDialogs {
public:
    FileChoice openFile(QWidget* parent, const QString& filter, const QString& initialFolder) override;
    FileChoice saveFile(QWidget* parent, const QString& filter, const QString& initialFolder) override;
};

// Turns a "desc|pattern|desc|pattern|" filter into Qt's "desc (pattern);;..." list.
QStringList qtFilterList(const QString& filter);

#pragma once
#include <QString>
#include <QStringList>
#include <deque>

#include "ui/UiPlatform.h"

// Message boxes and file dialogues that answer from a script, so the real windows can be
// driven offscreen without blocking.
class FakeMessages : public MessageSink {
public:
    struct Shown {
        QString text;
        Icon icon;
    };
    std::vector<Shown> shown;
    std::deque<bool> yesNoAnswers;

    void message(QWidget*, const QString& text, Icon icon) override { shown.push_back({text, icon}); }
    bool askYesNo(QWidget*, const QString& text) override {
        shown.push_back({text, Icon::Exclamation});
        if (yesNoAnswers.empty()) return false;
        bool a = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return a;
    }
    QString last() const { return shown.empty() ? QString() : shown.back().text; }
    void clear() { shown.clear(); }
};

class FakeDialogs : public FileDialogs {
public:
    struct Request {
        bool save;
        QString filter;
        QString folder;
    };
    std::vector<Request> requests;
    std::deque<FileChoice> answers;  // an empty fileName stands for Cancel

    FileChoice openFile(QWidget*, const QString& filter, const QString& folder) override {
        return answer(false, filter, folder);
    }
    FileChoice saveFile(QWidget*, const QString& filter, const QString& folder) override {
        return answer(true, filter, folder);
    }
    void queue(const QString& file, int filterIndex = 1) { answers.push_back({file, filterIndex}); }
    void queueCancel() { answers.push_back({QString(), 1}); }

private:
    FileChoice answer(bool save, const QString& filter, const QString& folder) {
        requests.push_back({save, filter, folder});
        if (answers.empty()) return {};
        FileChoice c = answers.front();
        answers.pop_front();
        return c;
    }
};

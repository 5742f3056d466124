#pragma once

#include "desktop/inputbox.h"
#include "desktop/messagebox.h"
#include "desktop/shell.h"
#include "services/clock.h"
#include "services/sound.h"

#include <QStringList>
#include <deque>

// Stand-ins for the outside services, recording what the game asked of them.

class FakeSound final : public SoundService {
public:
    void Play(const QString& fileName) override { played << fileName; }
    QStringList played;
};

class FakeShell final : public ShellService {
public:
    void OpenUrl(const QString& url) override { opened << url; }
    QStringList opened;
};

class FakeInputBox final : public InputBoxService {
public:
    QString InputBox(const QString& caption, const QString& prompt, const QString& defaultValue) override
    {
        captions << caption;
        prompts << prompt;
        if (answers.empty())
            return defaultValue; // as if cancelled
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<QString> answers;
    QStringList captions;
    QStringList prompts;
};

class FakeMessageBox final : public MessageBoxService {
public:
    struct Shown {
        QString caption;
        QString text;
        Icon icon;
    };
    void Show(const QString& caption, const QString& text, Icon icon) override
    {
        shown.push_back({caption, text, icon});
    }
    void Beep() override { ++beeps; }
    std::vector<Shown> shown;
    int beeps = 0;
};

#pragma once

#include <QString>

// The modal message box and the error beep, behind one seam so tests can watch them.
class MessageBoxService {
public:
    enum class Icon { None, Information, Warning, Error };

    virtual ~MessageBoxService() = default;
    virtual void Show(const QString& caption, const QString& text, Icon icon) = 0;
    virtual void Beep() = 0;
};

// The real one: a QMessageBox with an OK button, and QApplication::beep.
class QtMessageBoxService final : public MessageBoxService {
public:
    void Show(const QString& caption, const QString& text, Icon icon) override;
    void Beep() override;
};

// The service the controls use. It is the real one unless a test installed another;
// passing nullptr restores the real one.
MessageBoxService& MessageBoxes();
void SetMessageBoxes(MessageBoxService* service);

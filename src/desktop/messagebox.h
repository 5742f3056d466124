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

// The service every message box goes through: the controls' and the standard error box.
// It is the one installed last of those still installed, or else the real one.
MessageBoxService& MessageBoxes();

// Installs a service as MessageBoxes() for its own lifetime; nullptr installs nothing.
// Installations may end in any order: the latest one still alive is the one in use.
class TScopedMessageBoxes {
public:
    explicit TScopedMessageBoxes(MessageBoxService* service);
    ~TScopedMessageBoxes();
    TScopedMessageBoxes(const TScopedMessageBoxes&) = delete;
    TScopedMessageBoxes& operator=(const TScopedMessageBoxes&) = delete;
};

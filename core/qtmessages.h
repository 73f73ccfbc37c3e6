// The Qt implementations of the modal seams, installed by the program.
#pragma once

#include "messages.h"

namespace optolune {

class QtMessages final : public Messages {
public:
    void information(const QString &text) override;
    void warning(const QString &text) override;
    void plain(const QString &text) override;
    void error(const QString &text) override;
    bool confirm(const QString &text) override;
};

class QtPrompts final : public Prompts {
public:
    std::optional<QString> openFile(const QString &dir, const QString &filter) override;
    std::optional<QString> saveFile(const QString &dir, const QString &suggestedName,
                                    const QString &filter) override;
    std::optional<QString> inputText(const QString &title, const QString &label,
                                     const QString &initial) override;
    bool choosePrinter(QPrinter &printer) override;
};

} // namespace optolune

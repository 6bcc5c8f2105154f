// The two info windows: a read-only text box with the help text of the
// ray-path view or of the imaging view.
#pragma once

#include "help/help_texts.h"

#include <QWidget>

class QPlainTextEdit;

namespace help {

class InfoWindow : public QWidget
{
    Q_OBJECT

public:
    // The window deletes itself when closed.
    explicit InfoWindow(HelpTopic topic, QWidget *parent = nullptr);

    HelpTopic topic() const { return topic_; }
    QPlainTextEdit *textBox() const { return textBox_; }

    // Places the window at the top left of the primary screen's available
    // area and shows the help text, composed anew.
    void load();

private:
    HelpTopic topic_;
    QPlainTextEdit *textBox_ = nullptr;
};

}  // namespace help

#pragma once

#include <QLabel>

namespace tessarin {

// A label that breaks its text between any two characters when a line is full, as narrow Korean
// captions need ("최대생명력" in a two-line box); QLabel only breaks at blanks. The text stays whole.
class WrappingLabel : public QLabel {
    Q_OBJECT

public:
    explicit WrappingLabel(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tessarin

#pragma once

#include <QLabel>
#include <QList>
#include <QStringList>

class QFontMetricsF;

namespace tessarin {

// A label for narrow Korean captions that need two lines ("치명타피해량" in a square box). QLabel breaks
// only at blanks, and the usual line-breaking rules break Korean between any two syllables
// ("치명타피" / "해량"); this label breaks at blanks and between the words of the game's compound terms
// (치명타 / 피해량, 최대 / 생명력, 추가 / 피해), and inside a word only when the word alone is wider than the
// label. The text itself stays whole.
class WrappingLabel : public QLabel {
    Q_OBJECT

public:
    explicit WrappingLabel(const QString& text, QWidget* parent = nullptr);

    // Positions (0 < i < text length) where a line may start.
    static QList<int> breakOpportunities(const QString& text);

    // The lines `text` is drawn in at `width` pixels: as many words on a line as fit.
    static QStringList wrap(const QString& text, const QFontMetricsF& metrics, qreal width);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tessarin

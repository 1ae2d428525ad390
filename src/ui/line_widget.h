#pragma once

#include <QWidget>

namespace vertola::ui {

// A straight line one logical pixel thick, drawn in the window's text colour.
class LineWidget final : public QWidget {
    Q_OBJECT
public:
    explicit LineWidget(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vertola::ui

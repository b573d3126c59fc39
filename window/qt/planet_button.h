// A planet's option button. The whole button is its hit area, so that a
// chosen planet, whose caption is empty, can still be clicked anywhere on
// its coloured face and not only on its selection mark. An empty button
// that has the keyboard focus shows a focus mark round its face, since the
// style marks the focus only round a caption.
#pragma once

#include <QRadioButton>

#include "main_form_description.h"

namespace veltara {

class PlanetButton final : public QRadioButton {
public:
    PlanetButton(const ControlDescription& described, QWidget* parent);

    const ControlDescription& described() const { return described_; }

    // Unchecks the button even while it is the checked one of its group,
    // which an auto-exclusive button otherwise refuses to do.
    void setSelectedOff();

protected:
    void nextCheckState() override;
    bool hitButton(const QPoint& pos) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    const ControlDescription& described_;
};

}  // namespace veltara

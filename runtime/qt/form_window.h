#pragma once

#include <QWidget>
#include <map>

#include "print_surface.h"
#include "rt/program.h"

namespace rt::qt {

/// Pixels at 96 dpi for a length in twips: 15 twips to the pixel.
constexpr int pixels(int twips) { return (twips + 7) / 15; }

/// A form shown as a real window: one widget per control at its place, the printing area under
/// them, every change the program makes mirrored at once, and every click forwarded.
class FormWindow final : public QWidget, public FormView {
public:
    explicit FormWindow(Program& program);
    ~FormWindow() override;

    /// The widget that shows the named control (tests look at it).
    QWidget* widget_for(std::string_view name) const;
    PrintSurface* print_surface() const { return m_surface; }

    void control_changed(const Control& control, Property property) override;
    void printed_changed(PrintChange) override { m_surface->printed_changed(); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* create_widget(Control& control);

    Program& m_program;
    PrintSurface* m_surface;
    std::map<const Control*, QWidget*> m_widgets;
};

}  // namespace rt::qt

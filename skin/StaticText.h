#pragma once
// A static text control: word-wrapped, left-aligned lines at a fixed pitch
// (13 pixels for the dialog font), as the layouts size statics by lines.

#include <QWidget>
#include <string>

namespace orelle {

class StaticText : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kLinePitch = 13;

    StaticText(int id, QWidget* parent);

    void SetText(const std::string& utf8);
    QString Text() const { return text_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString text_;
};

}  // namespace orelle

#include "gui/deferred_icon_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>
#include <QStyleOption>
#include <optional>

namespace zelmora {
namespace {

// A style's standard icon, asked for when it is first drawn or measured.
class DeferredIconEngine : public QIconEngine {
 public:
  DeferredIconEngine(QStyle* style, QStyle::StandardPixmap which, Qt::LayoutDirection direction)
      : style_(style), which_(which), direction_(direction) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().actualSize(size, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().pixmap(size, 1.0, mode, state);
  }
  // `size` is in device pixels, QIcon::pixmap's in device-independent ones.
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    return Icon().pixmap(size / scale, scale, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Icon().availableSizes(mode, state);
  }
  bool isNull() override { return Icon().isNull(); }
  QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

 private:
  DeferredIconEngine(const DeferredIconEngine&) = default;

  const QIcon& Icon() {
    if (!icon_) {
      QStyleOption option;
      option.direction = direction_;
      const QStyle* style = style_ ? style_.data() : QApplication::style();
      icon_ = style->standardIcon(which_, &option);
    }
    return *icon_;
  }

  QPointer<QStyle> style_;
  QStyle::StandardPixmap which_;
  Qt::LayoutDirection direction_;
  std::optional<QIcon> icon_;
};

}  // namespace

DeferredIconStyle::DeferredIconStyle() : QProxyStyle(QApplication::style()->name()) {}

QIcon DeferredIconStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                      const QWidget* widget) const {
  if (which != SP_ToolBarHorizontalExtensionButton) {
    return QProxyStyle::standardIcon(which, option, widget);
  }
  const Qt::LayoutDirection direction =
      option ? option->direction : (widget ? widget->layoutDirection() : qApp->layoutDirection());
  return QIcon(new DeferredIconEngine(baseStyle(), which, direction));
}

}  // namespace zelmora

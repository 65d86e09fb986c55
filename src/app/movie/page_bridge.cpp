#include "movie/page_bridge.h"

#include <QTimer>
#include <utility>

#include "movie/load_timing.h"

namespace hifz {
namespace {

QString kindName(ElementKind kind) {
  switch (kind) {
    case ElementKind::Panel:
      return QStringLiteral("panel");
    case ElementKind::Image:
      return QStringLiteral("image");
    case ElementKind::Label:
      return QStringLiteral("label");
    case ElementKind::Movie:
      return QStringLiteral("movie");
    case ElementKind::Countdown:
      return QStringLiteral("countdown");
  }
  return {};
}

}  // namespace

PageBridge::PageBridge(QObject* parent) : QObject(parent) {}

void PageBridge::pageLost() {
  ready_ = false;
  pending_ = {};
}

void PageBridge::createElement(const QString& id, const QString& parent, ElementKind kind) {
  post({{"op", "create"}, {"id", id}, {"parent", parent}, {"kind", kindName(kind)}});
}

void PageBridge::removeElement(const QString& id) { post({{"op", "remove"}, {"id", id}}); }

void PageBridge::setGeometry(const QString& id, const QRect& pixels) {
  post({{"op", "geometry"},
        {"id", id},
        {"x", pixels.x()},
        {"y", pixels.y()},
        {"width", pixels.width()},
        {"height", pixels.height()}});
}

void PageBridge::setVisible(const QString& id, bool visible) {
  post({{"op", "visible"}, {"id", id}, {"visible", visible}});
}

void PageBridge::setStackOrder(const QString& id, int order) {
  post({{"op", "stack"}, {"id", id}, {"z", order}});
}

void PageBridge::setBackground(const QString& id, const QString& color) {
  post({{"op", "background"}, {"id", id}, {"color", color}});
}

void PageBridge::setPicture(const QString& id, const QUrl& url) {
  post({{"op", "picture"}, {"id", id}, {"url", url.toString(QUrl::FullyEncoded)}});
}

void PageBridge::setText(const QString& id, const QString& text) {
  post({{"op", "text"}, {"id", id}, {"text", text}});
}

void PageBridge::setFont(const QString& id, const QString& family, double points, bool bold,
                         const QString& color) {
  post({{"op", "font"},
        {"id", id},
        {"family", family},
        {"size", points},
        {"bold", bold},
        {"color", color}});
}

void PageBridge::setTextAlignment(const QString& id, const QString& alignment) {
  post({{"op", "align"}, {"id", id}, {"alignment", alignment}});
}

void PageBridge::startCountdown(const QString& id, qint64 milliseconds) {
  post({{"op", "countdown"}, {"id", id}, {"length", milliseconds}});
}

void PageBridge::makeEditable(const QString& id, int maxLength) {
  post({{"op", "editable"}, {"id", id}, {"maxLength", maxLength}});
}

void PageBridge::loadMovie(const QString& id, const MovieLoad& movie) {
  traceLoadStep("load", id, movie.load,
                QStringLiteral("rewrite=%1").arg(movie.rewriteMs, 0, 'f', 1));
  post({{"op", "load"},
        {"id", id},
        {"load", movie.load},
        {"url", movie.url.toString(QUrl::FullyEncoded)},
        {"name", movie.fileName},
        {"scale", movie.noScale ? "noScale" : "showAll"},
        {"frameRate", movie.frameRate},
        {"frameCount", movie.frameCount},
        {"paused", movie.paused}});
}

void PageBridge::unloadMovie(const QString& id) { post({{"op", "unload"}, {"id", id}}); }

void PageBridge::playMovie(const QString& id) { post({{"op", "play"}, {"id", id}}); }

void PageBridge::stopMovie(const QString& id) { post({{"op", "stop"}, {"id", id}}); }

void PageBridge::askWhenDrawn() { post({{"op", "whenDrawn"}}); }

void PageBridge::post(QJsonObject command) {
  pending_.append(std::move(command));
  if (!ready_ || flushPending_) return;
  flushPending_ = true;
  QTimer::singleShot(0, this, &PageBridge::flush);
}

void PageBridge::flush() {
  flushPending_ = false;
  if (pending_.isEmpty()) return;
  emit commands(std::exchange(pending_, {}));
}

void PageBridge::events(const QJsonArray& batch) {
  for (const QJsonValue& event : batch) handle(event.toObject());
}

void PageBridge::handle(const QJsonObject& event) {
  const QString type = event["type"].toString();
  const QString id = event["id"].toString();
  const int load = event["load"].toInt();
  if (type == "frame") {
    if (event["frame"].toInt() == 1) traceLoadStep("frame1", id, load);
    emit frameReached(id, load, event["frame"].toInt());
  } else if (type == "stopped") {
    traceLoadStep("stopped", id, load);
    emit timelineStopped(id, load, event["frame"].toInt());
  } else if (type == "fscommand") {
    traceLoadStep("fscommand", id, load, event["command"].toString());
    emit fsCommand(id, load, event["command"].toString(), event["args"].toString());
  } else if (type == "mouse") {
    static const QHash<QString, MouseAction> actions{{"down", MouseAction::Down},
                                                     {"move", MouseAction::Move},
                                                     {"click", MouseAction::Click},
                                                     {"up", MouseAction::Up},
                                                     {"dblclick", MouseAction::DoubleClick}};
    const auto action = actions.find(event["action"].toString());
    if (action == actions.end()) return;
    emit mouse(id, *action, event["button"].toInt(), event["shift"].toInt(),
               QPointF(event["x"].toDouble(), event["y"].toDouble()));
  } else if (type == "edited") {
    emit textEdited(id, event["text"].toString());
  } else if (type == "drawn") {
    emit drawn();
  } else if (type == "loaded") {
    traceLoadStep("loaded", id, load,
                  QStringLiteral("queued=%1 fetch=%2 player=%3")
                      .arg(event["queued"].toDouble(), 0, 'f', 1)
                      .arg(event["fetch"].toDouble(), 0, 'f', 1)
                      .arg(event["player"].toDouble(), 0, 'f', 1));
    emit movieLoaded(id, load);
  } else if (type == "failed") {
    emit movieFailed(id, load, event["message"].toString());
  } else if (type == "ready" && !ready_) {
    ready_ = true;
    flush();
    emit ready();
  }
}

}  // namespace hifz

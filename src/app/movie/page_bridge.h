#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QUrl>

namespace hifz {

/// What an element of the page draws.
enum class ElementKind { Panel, Image, Label, Movie, Countdown };

/// A movie for a slot element: bytes published on the page's scheme, and how to play them.
struct MovieLoad {
  /// Tells this load's reports from those of earlier loads of the same slot.
  int load = 0;
  QUrl url;
  /// The name Ruffle gives the movie (its _url ends with it).
  QString fileName;
  bool noScale = false;
  double frameRate = 12;
  int frameCount = 1;
  /// Loaded halted, as after stopMovie().
  bool paused = false;
  /// How long the movie's rewrite took, for HIFZ_TIMING's trace.
  double rewriteMs = 0;
};

enum class MouseAction { Down, Move, Up, Click, DoubleClick };

/// The page's side of the web channel, and the program's handle on the page.
///
/// Commands go to the page in the order given, gathered into one batch per
/// turn of the event loop and held until the page is ready. Elements are
/// addressed by id; "" is the window itself. A new element lies in front of
/// its parent's earlier children. Geometry is in pixels, relative to the
/// parent, which clips its children.
///
/// Events come back as signals. A slot's events carry the load they come
/// from; only the latest load of a slot counts.
class PageBridge final : public QObject {
  Q_OBJECT

 public:
  explicit PageBridge(QObject* parent = nullptr);

  bool isReady() const { return ready_; }
  /// The page is gone with everything on it: commands not yet sent are
  /// dropped, and new ones wait until a page is ready again.
  void pageLost();

  void createElement(const QString& id, const QString& parent, ElementKind kind);
  /// Removes the element and everything in it.
  void removeElement(const QString& id);
  void setGeometry(const QString& id, const QRect& pixels);
  void setVisible(const QString& id, bool visible);
  /// Elements with a higher order lie in front of their siblings; equal orders
  /// keep the order of creation. All start at 0.
  void setStackOrder(const QString& id, int order);
  /// A CSS colour, or "" for none (transparent).
  void setBackground(const QString& id, const QString& color);
  /// Drawn at its own size from the top left corner; an empty URL removes it.
  void setPicture(const QString& id, const QUrl& url);
  void setText(const QString& id, const QString& text);
  void setFont(const QString& id, const QString& family, double points, bool bold,
               const QString& color);
  /// How the text lines up: "start" (right, in the page's right-to-left), "center", "end".
  void setTextAlignment(const QString& id, const QString& alignment);
  /// A countdown element's ring fills again and empties over `milliseconds`;
  /// its text is what setText gives it.
  void startCountdown(const QString& id, qint64 milliseconds);
  /// The element's text can be typed into, up to `maxLength` characters (0:
  /// no limit): a click gives it the keyboard with its text selected.
  void makeEditable(const QString& id, int maxLength);

  /// Drops the slot's movie and loads another; it runs unless `paused`.
  void loadMovie(const QString& id, const MovieLoad& movie);
  /// Drops the slot's movie: the slot shows nothing.
  void unloadMovie(const QString& id);
  /// Resumes the player after stopMovie(), with its sound.
  void playMovie(const QString& id);
  /// Halts the player: its timelines and its sound.
  void stopMovie(const QString& id);
  /// Asks the page to say, by drawn(), once the movies given so far have
  /// loaded and their players have drawn.
  void askWhenDrawn();

  /// From the page: a batch of events.
  Q_INVOKABLE void events(const QJsonArray& batch);

 signals:
  /// To the page: a batch of commands.
  void commands(const QJsonArray& batch);

  void ready();
  /// A movie's fscommand(command, args), the slot's own frame reports excepted.
  void fsCommand(const QString& id, int load, const QString& command, const QString& args);
  /// The movie's root timeline entered `frame` (the first is 0).
  void frameReached(const QString& id, int load, int frame);
  /// The movie's root timeline no longer advances; it rests on `frame`.
  void timelineStopped(const QString& id, int load, int frame);
  void movieLoaded(const QString& id, int load);
  void drawn();
  /// Ruffle could not load the movie; the slot shows nothing.
  void movieFailed(const QString& id, int load, const QString& message);
  /// Mouse input on an element other than a movie. `buttons` is a mask, 1 left,
  /// 2 right, 4 middle (for Down the button pressed, for Move those held);
  /// `shift` 1 shift, 2 ctrl, 4 alt; `at` in pixels from the element's corner.
  void mouse(const QString& id, MouseAction action, int buttons, int shift, QPointF at);
  /// The user changed an editable element's text.
  void textEdited(const QString& id, const QString& text);

 private:
  void post(QJsonObject command);
  void flush();
  void handle(const QJsonObject& event);

  bool ready_ = false;
  bool flushPending_ = false;
  QJsonArray pending_;
};

}  // namespace hifz

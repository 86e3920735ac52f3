#pragma once
// Component events: typed callbacks that a design binds to a form's handler
// by name ("OnClick = PCVGlassButton1Click").
//
// A component publishes an event as a public member of an event type and
// registers it with the component registry:
//
//   class TMyButton : public TControl {
//     Q_OBJECT
//    public:
//     TNotifyEvent OnChange;                 // Sender
//     TNotifyString OnHyperjump;             // Sender, URL
//   };
//   Registry.RegisterEvent("OnChange", &TMyButton::OnChange);
//
// and raises it with  OnChange(this);  (nothing happens while unassigned;
// `if (OnChange)` tells whether a handler is set).
//
// A form's handlers are ordinary methods declared as Qt slots (or
// Q_INVOKABLE), the sender first:
//
//   public slots:
//     void MMTerm1Click(QObject* Sender);
//     void MiniHTML3Hyperjump(QObject* Sender, const QString& URL);
//     void MMPoints1TryToDrag(QObject* Sender, int& X, int& Y);
//
// The form reader finds the handler through Qt's meta-object system and
// checks that its parameters match the event's exactly. Code may also assign
// any callable:  Button->OnClick = [this](QObject* S) { ... };
#include <QByteArray>
#include <QList>
#include <QMetaObject>
#include <QMetaType>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

class TEventBase {
 public:
  virtual ~TEventBase() = default;

  // Normalised parameter types a handler must declare, the sender first.
  virtual QList<QByteArray> ParameterTypes() const = 0;
  // From now on the event calls Target's meta-method MethodIndex (absolute
  // index); Name is kept for writing the design back.
  virtual void BindMethod(QObject* Target, int MethodIndex, const QString& Name) = 0;
  virtual void Clear() = 0;
  virtual bool Assigned() const = 0;

  // The name of the form handler the event was bound to, empty when it was
  // set from code or not at all.
  const QString& HandlerName() const { return FHandlerName; }

 protected:
  QString FHandlerName;
};

// Binds Event to Target's handler called Name. False with Error set when
// Target has no such slot or its parameters do not fit.
bool BindEventHandler(TEventBase& Event, QObject* Target, const QString& Name, QString& Error);

namespace EventDetail {

template <class T>
QByteArray ParameterTypeName() {
  using Bare = std::remove_cv_t<std::remove_reference_t<T>>;
  QByteArray Name = QMetaObject::normalizedType(QMetaType::fromType<Bare>().name());
  if constexpr (std::is_lvalue_reference_v<T> && !std::is_const_v<std::remove_reference_t<T>>) Name += '&';
  return Name;
}

template <class T>
void* ArgumentAddress(T& Value) {
  return const_cast<void*>(static_cast<const void*>(std::addressof(Value)));
}

}  // namespace EventDetail

template <class... Args>
class TEvent final : public TEventBase {
 public:
  using THandler = std::function<void(QObject*, Args...)>;

  TEvent() = default;
  TEvent(const TEvent&) = default;
  TEvent& operator=(const TEvent&) = default;

  TEvent& operator=(THandler Handler) {
    FHandler = std::move(Handler);
    FHandlerName.clear();
    return *this;
  }

  explicit operator bool() const { return static_cast<bool>(FHandler); }

  void operator()(QObject* Sender, Args... A) const {
    if (FHandler) FHandler(Sender, std::forward<Args>(A)...);
  }

  QList<QByteArray> ParameterTypes() const override {
    return {QByteArray("QObject*"), EventDetail::ParameterTypeName<Args>()...};
  }

  void BindMethod(QObject* Target, int MethodIndex, const QString& Name) override {
    QPointer<QObject> Guard(Target);
    FHandler = [Guard, MethodIndex](QObject* Sender, Args... A) {
      if (!Guard) return;
      void* Argv[] = {nullptr, &Sender, EventDetail::ArgumentAddress(A)...};
      QMetaObject::metacall(Guard.data(), QMetaObject::InvokeMetaMethod, MethodIndex, Argv);
    };
    FHandlerName = Name;
  }

  void Clear() override {
    FHandler = nullptr;
    FHandlerName.clear();
  }

  bool Assigned() const override { return static_cast<bool>(FHandler); }

 private:
  THandler FHandler;
};

// Sender only: clicks, changes.
using TNotifyEvent = TEvent<>;
// Sender and a text, e.g. the URL of a followed link.
using TNotifyString = TEvent<const QString&>;
// Sender and a point the handler may change.
using TNotifyXYEvent = TEvent<int&, int&>;

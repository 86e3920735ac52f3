#include "platform/Timer.h"

#include <QPointer>
#include <exception>

#include "platform/Application.h"

TTimer::TTimer(QObject* Owner) : QObject(Owner) {
  connect(&FTimer, &QTimer::timeout, this, &TTimer::Tick);
  Update();
}

void TTimer::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  Update();
}

void TTimer::SetInterval(int Value) {
  if (FInterval == Value) return;
  FInterval = Value;
  Update();
}

namespace {
bool GScriptedTime = false;
}  // namespace

void TTimer::SetScriptedTime(bool Value) { GScriptedTime = Value; }
bool TTimer::ScriptedTime() { return GScriptedTime; }

void TTimer::Update() {
  if (FEnabled && FInterval > 0 && !GScriptedTime)
    FTimer.start(FInterval);
  else
    FTimer.stop();
}

void TTimer::Tick() {
  if (FInTick || !OnTimer) return;
  FInTick = true;
  QPointer<TTimer> Alive(this);
  try {
    OnTimer(this);
  } catch (const std::exception& E) {
    HandleException(E);
  }
  if (Alive) FInTick = false;
}

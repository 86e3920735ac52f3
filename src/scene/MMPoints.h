#pragma once
// Named scene points. A point is stored relative to its origin point and may
// be tied to a fix reference by a constraint kind. Effective and absolute
// positions are computed from the stored values at every read, so a change
// of one point shows in every point built on it without any propagation.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/Types.h"

enum TFixType : std::uint8_t {
  ftNone,
  ftDirection,
  ftRadius,
  ftVector,
  ftInvertedVector,
  ftX,
  ftY,
  ftDirectionOffset,
  ftHalfVector,
  ftParamVector
};
constexpr int FixTypeCount = 10;

// "ftRadius" <-> ftRadius; nullptr / false for anything else.
const char* FixTypeToIdent(TFixType Kind);
bool IdentToFixType(std::string_view Ident, TFixType& Kind);

// Events carry the object that raised them as an opaque pointer: the point
// itself for OnChanging, the dragging shape for the drag events. The UI layer
// passes its own objects through unchanged.
using TMMNotifyEvent = std::function<void(void* Sender)>;
using TMMNotifyXYEvent = std::function<void(void* Sender, int& X, int& Y)>;

class TMMPoint;
class TMMPoints;
using TPointArray = std::vector<TMMPoint*>;
using TAbsPointArray = std::vector<TPoint>;

// The name an item reads as when its name has been set empty.
inline constexpr const char* MMPointDefaultName = "TMMPoint";

class TMMPoint {
 public:
  TMMPoint(const TMMPoint&) = delete;
  TMMPoint& operator=(const TMMPoint&) = delete;
  ~TMMPoint() = default;

  int ID() const { return FID; }
  TMMPoints& Collection() const { return *FCollection; }

  // Effective coordinates: the stored ones under the point's constraint.
  int X() const { return Effective().X; }
  int Y() const { return Effective().Y; }
  TPoint Effective() const;
  // Writing stores the value as it is; the constraint applies on reading.
  void SetX(int Value);
  void SetY(int Value);

  // Polar view of the effective vector (screen y grows downwards).
  long double R() const;
  long double PhiRadian() const;
  long double PhiDegree() const;
  void SetR(long double Length);
  void SetPhiRadian(long double Angle);
  void SetPhiDegree(long double Degrees);

  // An empty name reads as MMPointDefaultName (and is set to it).
  const std::string& Name() const;
  void SetName(const std::string& Value);

  // Point references by ID, -1 for none. Writing the own ID, an ID that names
  // no point, or a point that would close a cycle of references is handled
  // as described at the setters.
  int Origin() const;
  int FixReference() const;
  void SetOrigin(int ID);
  void SetFixReference(int ID);
  TMMPoint* OriginPoint() const { return FOrigin; }
  TMMPoint* FixReferencePoint() const { return FFixReference; }

  TFixType FixType() const { return FFixType; }
  void SetFixType(TFixType Kind);
  long double FixParam1() const { return FFixParam1; }
  long double FixParam2() const { return FFixParam2; }
  void SetFixParam1(long double Value);
  void SetFixParam2(long double Value);

  const TMMNotifyXYEvent& OnTryToDrag() const { return FOnTryToDrag; }
  const TMMNotifyEvent& OnDragging() const { return FOnDragging; }
  const TMMNotifyEvent& OnChanging() const { return FOnChanging; }
  void SetOnTryToDrag(TMMNotifyXYEvent Handler) { FOnTryToDrag = std::move(Handler); }
  void SetOnDragging(TMMNotifyEvent Handler) { FOnDragging = std::move(Handler); }
  void SetOnChanging(TMMNotifyEvent Handler) { FOnChanging = std::move(Handler); }

  // The raw state behind the properties (always integral coordinates).
  long double StoredX() const { return FX; }
  long double StoredY() const { return FY; }
  long double FixedValue() const { return FFixedValue; }

  // Effective position plus those of the origin, its origin, and so on.
  TPoint AbsolutePosition() const;

  // Raises OnChanging and invalidates the scene that owns the collection.
  void Changed();

  // Mean of the points, each coordinate by integer division toward zero;
  // (0, 0) for no points.
  static TPoint Center(std::span<const TPoint> Points);
  long double Distance(const TMMPoint& Other) const;
  // Direction from this point to Other in radians.
  long double Angle(const TMMPoint& Other) const;

  // Copies the effective X and Y (into the stored ones), the name and the
  // origin; constraints and events stay as they are.
  void Assign(const TMMPoint& Source);

  // One drag step towards the absolute target (X, Y). OnTryToDrag may change
  // the target first; the changed target is handed back to the caller. The
  // point then moves by the distance from Current (its absolute position when
  // not given) to the target, and OnDragging follows.
  void DragStep(void* Sender, int& X, int& Y, std::optional<TPoint> Current = std::nullopt);

 private:
  friend class TMMPoints;
  TMMPoint(TMMPoints& Collection, int ID);
  void SetLink(TMMPoint* TMMPoint::*Link, int ID);

  long double FX = 0;
  long double FY = 0;
  long double FFixedValue = 0;
  mutable std::string FName;
  TMMPoint* FOrigin = nullptr;
  TMMPoint* FFixReference = nullptr;
  TFixType FFixType = ftNone;
  TMMNotifyEvent FOnDragging;
  TMMNotifyXYEvent FOnTryToDrag;
  TMMNotifyEvent FOnChanging;
  long double FFixParam1 = 0;
  long double FFixParam2 = 0;
  TMMPoints* FCollection;
  int FID;
};

// The points of one scene, in creation order. IDs count up from 0 and are
// never reused within a collection.
class TMMPoints {
 public:
  TMMPoints() = default;
  TMMPoints(const TMMPoints&) = delete;
  TMMPoints& operator=(const TMMPoints&) = delete;
  ~TMMPoints();

  TMMPoint& Add();
  // Adds a point with the given ID, for collections that number their items
  // themselves. The ID must be above every ID in use (std::invalid_argument
  // otherwise); later plain adds continue after it.
  TMMPoint& Add(int ID);
  int Count() const { return static_cast<int>(FItems.size()); }
  TMMPoint& Items(int Index) const { return *FItems.at(static_cast<std::size_t>(Index)); }
  TMMPoint& operator[](int Index) const { return Items(Index); }

  // Removing a point turns every reference to it into none.
  void Delete(int Index);
  void Clear();

  TMMPoint* FindByID(int ID) const;
  // First point whose name equals Name exactly; nullptr when none does.
  TMMPoint* FindByName(std::string_view Name) const;
  // One entry per name, nullptr where no point has that name.
  void GetPoints(const std::vector<std::string>& Names, TPointArray& Result) const;

  // The scene that owns the points, opaque to the core, and how a changed
  // point invalidates it.
  void* Owner() const { return FOwner; }
  void SetOwner(void* Owner) { FOwner = Owner; }
  void SetOnInvalidate(std::function<void()> Handler) { FOnInvalidate = std::move(Handler); }

 private:
  friend class TMMPoint;
  void Unlink(const TMMPoint& Gone);

  std::vector<std::unique_ptr<TMMPoint>> FItems;
  int FNextID = 0;
  void* FOwner = nullptr;
  std::function<void()> FOnInvalidate;
};

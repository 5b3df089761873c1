// The real host's side of the plug-in interface, declared here as the host
// declares it, for the stand-in Orbiter.exe: the types and layouts a module
// shares with it, the display base class, the vessel interface and the
// services it exports. Written from what is known of the host itself, never
// from the module's headers, so that where the module's declarations differ
// from the host's, the two stand apart here and the module fails to load or
// to work, as it would in the real host.
#pragma once

#include <stddef.h>

#define OAPIFUNC __declspec(dllexport)

// Windows' own types, as the host takes them from <windows.h>.
typedef unsigned long DWORD;
typedef unsigned int UINT;
#ifdef _WIN64
typedef unsigned long long WPARAM;
typedef long long LPARAM;
typedef long long LRESULT;
#else
typedef unsigned int WPARAM;
typedef long LPARAM;
typedef long LRESULT;
#endif
typedef struct HDC__* HDC;

typedef void* OBJHANDLE;
typedef void* ATTACHMENTHANDLE;
typedef void* FILEHANDLE;

typedef union {
  double data[3];
  struct {
    double x, y, z;
  };
} VECTOR3;

// A mode's message procedure returns an int on the 32-bit host, an LRESULT
// on the 64-bit one.
#ifdef _WIN64
typedef LRESULT OAPI_MSGTYPE;
#else
typedef int OAPI_MSGTYPE;
#endif
const UINT OAPI_MSG_MFD_OPENED = 1;
const UINT OAPI_MSG_MFD_OPENEDEX = 4;

struct MFDMODESPEC {
  char* name;
  DWORD key;
  OAPI_MSGTYPE (*msgproc)(UINT msg, UINT mfd, WPARAM wparam, LPARAM lparam);
};
struct MFDMODESPECEX;
// What message OAPI_MSG_MFD_OPENEDEX passes in wparam.
struct MFDMODEOPENSPEC {
  int w, h;
  MFDMODESPECEX* spec;
};

#pragma pack(push, 1)
struct MFDBUTTONMENU {
  const char* line1;
  const char* line2;
  char selchar;
};
#pragma pack(pop)

struct FUELSPEC;
struct THRUSTSPEC;
struct DOCKINFOSPEC;
struct VESSELSTATUS2 {
  DWORD version;
  DWORD flag;
  OBJHANDLE rbody;
  OBJHANDLE base;
  int port;
  int status;
  VECTOR3 rpos;
  VECTOR3 rvel;
  VECTOR3 vrot;
  VECTOR3 arot;
  double surf_lng;
  double surf_lat;
  double surf_hdg;
  DWORD nfuel;
  FUELSPEC* fuel;
  DWORD nthruster;
  THRUSTSPEC* thruster;
  DWORD ndockinfo;
  DOCKINFOSPEC* dockinfo;
  DWORD xpdr;
};

class OAPIFUNC VESSEL {
 public:
  VESSEL(OBJHANDLE hVessel, int fmodel = 1);
  ~VESSEL();
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wignored-qualifiers"
  const OBJHANDLE GetHandle() const;  // NOLINT(readability-const-return-type)
#pragma GCC diagnostic pop
  void GetGlobalPos(VECTOR3& pos) const;
  void GlobalRot(const VECTOR3& rloc, VECTOR3& rglob) const;
  ATTACHMENTHANDLE CreateAttachment(bool toparent, const VECTOR3& pos, const VECTOR3& dir,
                                    const VECTOR3& rot, const char* id, bool loose = false) const;
  DWORD AttachmentCount(bool toparent) const;
  ATTACHMENTHANDLE GetAttachmentHandle(bool toparent, DWORD i) const;
  const char* GetAttachmentId(ATTACHMENTHANDLE attachment) const;
  bool AttachChild(OBJHANDLE child, ATTACHMENTHANDLE attachment,
                   ATTACHMENTHANDLE child_attachment) const;
  bool DetachChild(ATTACHMENTHANDLE attachment, double vel = 0.0) const;
};

class Instrument_User;

class OAPIFUNC MFD {
  friend class Instrument_User;  // the host's record of the display writes its fields

 public:
  MFD(DWORD w, DWORD h, VESSEL* vessel);
  virtual ~MFD();
  virtual void Update(HDC hDC) = 0;
  virtual bool ConsumeKeyBuffered(DWORD key);
  virtual bool ConsumeKeyImmediate(char* kstate);
  virtual bool ConsumeButton(int bt, int event);
  virtual char* ButtonLabel(int bt);
  virtual int ButtonMenu(const MFDBUTTONMENU** menu) const;
  virtual void WriteStatus(FILEHANDLE scn) const;
  virtual void ReadStatus(FILEHANDLE scn);
  virtual void StoreStatus() const;
  virtual void RecallStatus();
  void Title(HDC hDC, const char* title) const;

 protected:
  DWORD W, H;
  DWORD cw, ch;
  VESSEL* pV;

 private:
  Instrument_User* instr;
};

// The services a module calls.
OAPIFUNC int oapiRegisterMFDMode(MFDMODESPEC& spec);
OAPIFUNC bool oapiUnregisterMFDMode(int mode);
OAPIFUNC void oapiOpenInputBox(char* title, bool (*Clbk)(void*, char*, void*), char* buf = 0,
                               int vislen = 20, void* usrdata = 0);
OAPIFUNC OBJHANDLE oapiGetObjectByName(char* name);
OAPIFUNC void oapiGetObjectName(OBJHANDLE hObj, char* name, int n);
OAPIFUNC void oapiGetFocusRelativePos(OBJHANDLE hObj, VECTOR3* pos);
OAPIFUNC void oapiGetFocusRelativeVel(OBJHANDLE hObj, VECTOR3* vel);
OAPIFUNC double oapiGetSize(OBJHANDLE hObj);
OAPIFUNC double oapiGetMass(OBJHANDLE hObj);
OAPIFUNC void oapiGetGlobalPos(OBJHANDLE hObj, VECTOR3* pos);
OAPIFUNC void oapiGetGlobalVel(OBJHANDLE hObj, VECTOR3* vel);
OAPIFUNC DWORD oapiGetGbodyCount();
OAPIFUNC OBJHANDLE oapiGetGbodyByIndex(int index);
OAPIFUNC OBJHANDLE oapiGetFocusObject();
OAPIFUNC VESSEL* oapiGetFocusInterface();
OAPIFUNC VESSEL* oapiGetVesselInterface(OBJHANDLE hVessel);
OAPIFUNC bool oapiIsVessel(OBJHANDLE hVessel);
OAPIFUNC OBJHANDLE oapiCreateVesselEx(const char* name, const char* classname, const void* status);
OAPIFUNC bool oapiDeleteVessel(OBJHANDLE hVessel, OBJHANDLE hAlternativeCameraTarget = 0);

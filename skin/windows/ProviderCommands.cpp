#include "skin/windows/ProviderCommands.h"

#include "skin/data/SkinCommandLayers.h"

intptr_t ProviderCommands::Answer(uint16_t command, intptr_t argument, ProviderCommandHost& host) {
  if (!AnsweredBy(command, kLayerProvider)) return 0;
  // Answered whether or not the form is skinned at the moment.
  switch (command) {
    case AC_SETNEWSKIN:
      if (host.FromOwnManager(argument)) host.Prepare();
      return 0;
    case AC_REMOVESKIN:
      // The form's own look comes back first; the children hear of it next, from
      // the manager's broadcast, which reaches every control once. Unskinned,
      // they then repaint over a form that no longer gives a skinned background.
      if (host.FromOwnManager(argument)) host.Unprepare();
      return 0;
    case AC_CTRLHANDLED: return 1;
    case AC_ENDUPDATE: return 0;  // no main menu is skinned: no menu change can be pending
    case AC_GETBG: return host.AnswerBackground(argument);
    case AC_CLASSIFYBG: return host.AskBinding(command, argument);
    case AC_GETAPPLICATION: return host.ApplicationObject();
    case AC_GETCLIENTORIGIN: {
      const TPoint o = host.ClientOrigin();
      return intptr_t(int32_t(uint32_t(uint16_t(o.X)) | (uint32_t(uint16_t(o.Y)) << 16)));
    }
    default: break;
  }
  if (!host.Skinned()) {
    switch (command) {
      case AC_GETPROVIDER: return host.Provider();
      case AC_PREPARECACHE: host.SetCacheStale(false); return 0;
      case AC_GETFRAMEWIDTH: return argument;  // no skinned frame: the asker's own
      default: return 0;
    }
  }
  return AnswerSkinned(command, argument, host);
}

intptr_t ProviderCommands::AnswerSkinned(uint16_t command, intptr_t argument, ProviderCommandHost& host) {
  switch (command) {
    case AC_REFRESH: host.Refresh(); return 0;
    case AC_GETPROVIDER: return host.Provider();
    case AC_ENDPARENTUPDATE:
      if (updating_) {
        updating_ = false;
        host.SuspendPainting(false);
        host.RepaintFrame();
      }
      // Children whose painting waited for the form (an update, a parent not ready) resume now.
      host.PassOnToChildren(command, argument);
      return 0;
    case AC_SETUPDATING:
      updating_ = argument == 1;
      host.SuspendPainting(updating_);
      if (updating_) host.SetCacheStale(true);  // the frame is rebuilt when the update ends
      return 0;
    case AC_MUSTREPAINT: return updating_ ? 1 : 0;
    case AC_INVALIDATE: host.SetCacheStale(true); return 0;
    case AC_BGISPICTURE: return host.BackgroundIsPicture() ? 1 : 0;
    case AC_GETCONTROLCOLOR: return intptr_t(host.ControlColor());
    case AC_PREPARECACHE:
      if (host.CacheStale()) host.RebuildCache();
      return 0;
    case AC_ADAPTCONTROL: host.AdaptControls(argument); return 0;
    case AC_MOUSELEAVE: host.ClearTitleButtons(); return 0;
    case AC_SUSPENDREDRAW: host.SuspendRedraw(); return 0;
    case AC_RESUMEREDRAW: host.ResumeRedraw(); return 0;
    case AC_REPAINTFRAME:
      if (argument == 1) host.SetCacheStale(true);
      host.ShowFrame();
      return 0;
    case AC_SETGLUED: glued_ = argument == 1; return 0;
    case AC_GETGLUED: return glued_ ? 1 : 0;
    case AC_SETALPHA: host.SetOpacity(int32_t(argument)); return 0;
    case AC_GETFONTSECTION: return host.AnswerFontSection(argument);
    case AC_GETFRAMEWIDTH: {
      // The real window's frame, not the skin's: the asker measures the window the system laid out.
      const int32_t width = host.WindowFrameWidth();
      return width > 0 ? width : argument;
    }
    default: return 0;
  }
}

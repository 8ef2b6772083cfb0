// The main window's repaint under Wine, per paint, three ways in one run: with
// the frame and every skinned control's picture rebuilt, from the pictures
// already built, and with the skin manager switched off (the anchor). Beside
// them, what each is made of: the frame cache with and without its caption
// text, the caption alone through the alpha-keeping text writer, each kind of
// skinned control's picture build, and the repaint window by window.
//
// The skinned figures come first, then the skin manager is switched off for
// the anchor. The machine is shared: every figure shows the median and the
// fastest of its runs (other load only ever slows a run down), and the ratios
// use both.
//
//   window_bench [--runs N]   (default 60; 1 is a smoke run)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "skin/controls/SkinTextOutput.h"
#include "skin/controls/SkinTextOutputWin.h"
#include "skin/controls/sCommonDataWin.h"
#include "skin/data/SkinBroadcast.h"
#include "skin/data/SkinCommands.h"
#include "skin/windows/acBorderForm.h"
#include "toolkit/Application.h"
#include "toolkit/NonClientFonts.h"

namespace {

double NowMicros() {
  static const double perMicro = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return double(f.QuadPart) / 1e6;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return double(t.QuadPart) / perMicro;
}

class Samples {
 public:
  void Add(double micros) { times_.push_back(micros); }
  double Median() const {
    if (times_.empty()) return 0;
    std::vector<double> t = times_;
    std::nth_element(t.begin(), t.begin() + t.size() / 2, t.end());
    return t[t.size() / 2];
  }
  double Fastest() const { return times_.empty() ? 0 : *std::min_element(times_.begin(), times_.end()); }

 private:
  std::vector<double> times_;
};

// Figures by name, in the order they were first taken.
class Figures {
 public:
  explicit Figures(int runs) : runs_(runs) {}
  // runs timed calls of work after a warm-up of a tenth of them (at least one).
  void Take(const std::string& name, const std::function<void()>& work) {
    for (int i = 0; i < std::max(1, runs_ / 10); ++i) work();
    if (!samples_.count(name)) order_.push_back(name);
    Samples& s = samples_[name];
    for (int i = 0; i < runs_; ++i) {
      const double start = NowMicros();
      work();
      s.Add(NowMicros() - start);
    }
  }
  // One figure per step, taken in turns (each run times every step once) so
  // that changing load falls on all of them alike; a step's untimed Prepare
  // runs before each of its timed calls.
  struct Step {
    std::string Name;
    std::function<void()> Prepare, Work;
  };
  void TakeInTurns(const std::vector<Step>& steps) {
    for (int i = 0; i < std::max(1, runs_ / 10); ++i)
      for (const Step& step : steps) {
        if (step.Prepare) step.Prepare();
        step.Work();
      }
    for (const Step& step : steps)
      if (!samples_.count(step.Name)) order_.push_back(step.Name);
    for (int i = 0; i < runs_; ++i)
      for (const Step& step : steps) {
        if (step.Prepare) step.Prepare();
        const double start = NowMicros();
        step.Work();
        samples_[step.Name].Add(NowMicros() - start);
      }
  }
  const Samples& operator[](const std::string& name) const {
    static const Samples none;
    auto it = samples_.find(name);
    return it == samples_.end() ? none : it->second;
  }
  const std::vector<std::string>& Names() const { return order_; }

 private:
  int runs_;
  std::map<std::string, Samples> samples_;
  std::vector<std::string> order_;
};

void Pump(int rounds) {
  for (int i = 0; i < rounds; ++i) {
    Application->ProcessMessages();
    Sleep(10);
  }
}

class MainWindow {
 public:
  MainWindow() {
    StartDocRenamer();
    form_ = dynamic_cast<TForm1*>(Application->MainForm());
    form_->Show();
    Pump(30);
  }
  ~MainWindow() { delete Application; }
  TForm1& Form() { return *form_; }
  TsSkinProvider& Provider() { return *form_->sSkinProvider1; }
  LPARAM Manager() const { return LPARAM(form_->sSkinManager1); }
  void SwitchSkinOff() {
    form_->sSkinManager1->SetActive(false);
    Pump(20);
  }

  // The frame and every skinned child's picture marked stale, through the skin command every binding answers.
  void MarkAllStale() {
    SendMessageW(form_->Handle(), kSkinMessage, SkinCommandParam(AC_INVALIDATE), Manager());
    BroadcastToControls(form_, AC_INVALIDATE, Manager());
  }
  // The client area and every child window with its frame, painted now.
  void Repaint() {
    RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    GdiFlush();
  }
  // Extended borders: the frame shown by the border window, which the system keeps
  // on the screen; only a changed frame needs to be handed to it again.
  void ShowFrame() {
    if (TacBorderForm* border = Provider().BorderForm()) border->Update(true);
    GdiFlush();
  }
  void RebuildFrame() {
    SendMessageW(form_->Handle(), kSkinMessage, SkinCommandParam(AC_INVALIDATE), Manager());
    SendMessageW(form_->Handle(), kSkinMessage, SkinCommandParam(AC_PREPARECACHE), Manager());
  }

 private:
  TForm1* form_;
};

// The windows of the repaint one by one: the form's client area with its
// windowless controls, then each kind of child window.
void TakeWindowByWindow(MainWindow& w, Figures& figures, const std::string& prefix) {
  TForm1& f = w.Form();
  figures.Take(prefix + "form client area, windowless controls included", [&] {
    RedrawWindow(f.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_NOCHILDREN | RDW_UPDATENOW);
    GdiFlush();
  });
  std::map<std::string, std::vector<HWND>> byClass;
  for (TControl* c : f.Controls())
    if (auto* windowed = dynamic_cast<TWinControl*>(c); windowed && windowed->HandleAllocated() && c->Visible())
      byClass[c->ClassName()].push_back(windowed->WindowHandle());
  for (const auto& [name, windows] : byClass)
    figures.Take(prefix + name + " x " + std::to_string(windows.size()), [&] {
      for (HWND h : windows) RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
      GdiFlush();
    });
}

// The caption through the alpha-keeping writer, into a copy of the frame cache at the caption's place.
void TakeAlphaCaption(MainWindow& w, Figures& figures, const std::string& name) {
  PixelBuffer picture = w.Provider().FrameCache().Clone();
  const LOGFONTW captionFont = NonClientLogFont(NonClientFont::Caption);
  HFONT font = CreateFontIndirectW(&captionFont);
  const TRect rect = w.Provider().Layout().CaptionText;
  const std::string caption = w.Form().Caption();
  {
    TPictureTextCanvas canvas(picture, font);
    figures.Take(name, [&] {
      WriteAlphaText(canvas, picture, caption, true, clBlack, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS,
                     rect);
    });
  }
  DeleteObject(font);
}

const char* const kRebuilt = "(a) frame and every control picture rebuilt";
const char* const kCached = "(b) from the caches";
const char* const kPlain = "(c) unskinned (anchor)";
const char* const kFrame = "frame cache (caption included)";
const char* const kFrameBare = "frame cache without caption text";
const char* const kAlphaCaption = "caption alone through the alpha-keeping writer";

// The visible skinned controls whose pictures are still marked stale.
std::string StaleControls(MainWindow& w) {
  std::string names;
  for (TControl* c : w.Form().Controls()) {
    auto* binding = reinterpret_cast<TsCommonData*>(SendSkinCommand(*c, AC_GETSKINDATA, 0));
    if (binding && binding->CacheStale && c->Visible()) names += " " + c->Name;
  }
  return names;
}

void TakeSkinned(MainWindow& w, Figures& figures, std::string& stale) {
  TForm1& f = w.Form();
  figures.TakeInTurns({{kRebuilt, nullptr,
                        [&] {
                          w.MarkAllStale();
                          w.Repaint();
                          w.ShowFrame();
                        }},
                       {kCached, nullptr, [&] { w.Repaint(); }},
                       {"frame handed to the border window", nullptr, [&] { w.ShowFrame(); }}});
  w.MarkAllStale();
  w.Repaint();
  stale = StaleControls(w);
  TakeWindowByWindow(w, figures, "from the caches: ");

  const std::string caption = f.Caption();
  figures.TakeInTurns({{kFrame, [&] { f.SetCaption(caption); }, [&] { w.RebuildFrame(); }},
                       {kFrameBare, [&] { f.SetCaption(""); }, [&] { w.RebuildFrame(); }}});
  f.SetCaption(caption);
  TakeAlphaCaption(w, figures, kAlphaCaption);
  std::map<std::string, std::vector<TControl*>> byClass;
  for (TControl* c : f.Controls())
    if (c->Visible() && SendSkinCommand(*c, AC_CTRLHANDLED, 0) != 0) byClass[c->ClassName()].push_back(c);
  for (const auto& [name, controls] : byClass)
    figures.Take("picture build: " + name + " x " + std::to_string(controls.size()), [&] {
      for (TControl* c : controls) {
        SendSkinCommand(*c, AC_INVALIDATE, w.Manager());
        SendSkinCommand(*c, AC_PREPARECACHE, w.Manager());
      }
    });
}

std::string Ratio(const Figures& figures, const char* figure, const char* anchor, const char* what, double target,
                  bool atMost) {
  const Samples& f = figures[figure];
  const Samples& a = figures[anchor];
  const double median = a.Median() > 0 ? f.Median() / a.Median() : 0;
  const double fastest = a.Fastest() > 0 ? f.Fastest() / a.Fastest() : 0;
  const auto met = [&](double r) { return atMost ? r <= target : r < target; };
  char text[200];
  std::snprintf(text, sizeof text, "%5.2f x %s (fastest %4.2f x); target %s %g: %s", median, what, fastest,
                atMost ? "<=" : "<", target, met(median) && met(fastest) ? "met" : met(fastest) || met(median) ? "borderline" : "MISSED");
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 60;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--runs") == 0) runs = std::max(1, std::atoi(argv[i + 1]));
  MainWindow w;
  if (!w.Provider().Skinned()) {
    std::fprintf(stderr, "window_bench: the main window is not skinned\n");
    return 1;
  }
  std::printf("main window %d x %d, %s; %d timed runs per figure\n", w.Form().Width(), w.Form().Height(),
              w.Provider().Mode() == FrameMode::ExtendedBorder ? "extended borders" : "frame in the window", runs);

  Figures figures(runs);
  std::string stale;
  TakeSkinned(w, figures, stale);
  w.SwitchSkinOff();
  const bool unskinned = !w.Provider().Skinned();
  figures.Take(kPlain, [&] { w.Repaint(); });
  TakeWindowByWindow(w, figures, "unskinned: ");

  std::printf("\n%-60s %10s %10s\n", "per paint", "median us", "fastest us");
  for (const std::string& name : figures.Names())
    std::printf("  %-58s %10.1f %10.1f\n", name.c_str(), figures[name].Median(), figures[name].Fastest());

  std::printf("\nratios\n");
  std::printf("  (a) rebuilt / (c) unskinned: %s%s\n", Ratio(figures, kRebuilt, kPlain, "unskinned", 3, true).c_str(),
              stale.empty() ? "" : ("  [still stale after the repaint:" + stale + "]").c_str());
  std::printf("  (b) cached  / (c) unskinned: %s\n", Ratio(figures, kCached, kPlain, "unskinned", 1, false).c_str());
  if (!unskinned) std::printf("  [the anchor was still skinned]\n");
  const double frame = figures[kFrame].Median(), bare = figures[kFrameBare].Median();
  std::printf("  caption text in the frame rebuild: %.1f us of %.1f us (%.0f %%); alpha-keeping writer: %.1f us\n",
              frame - bare, frame, frame > 0 ? 100 * (frame - bare) / frame : 0, figures[kAlphaCaption].Median());
  return 0;
}

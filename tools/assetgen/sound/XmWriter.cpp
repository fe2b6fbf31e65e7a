#include "tools/assetgen/sound/XmWriter.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace {

class ByteWriter {
 public:
  void U8(int v) { bytes_.push_back(static_cast<uint8_t>(v)); }
  void U16(int v) {
    U8(v & 0xFF);
    U8((v >> 8) & 0xFF);
  }
  void U32(uint32_t v) {
    U16(static_cast<int>(v & 0xFFFF));
    U16(static_cast<int>(v >> 16));
  }
  // A fixed-width text field padded with `pad`.
  void Text(const std::string& text, size_t width, char pad = '\0') {
    for (size_t i = 0; i < width; ++i) U8(i < text.size() ? text[i] : pad);
  }
  void Zeros(size_t count) { bytes_.insert(bytes_.end(), count, 0); }
  size_t Size() const { return bytes_.size(); }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

constexpr uint32_t kHeaderSize = 276;            // from this field to the end of the orders
constexpr uint32_t kInstrumentHeaderSize = 263;  // as FastTracker 2 writes it
constexpr uint32_t kSampleHeaderSize = 40;

void WriteHeader(ByteWriter& out, const XmModule& m) {
  out.Text("Extended Module: ", 17);
  out.Text(m.Name, 20, ' ');
  out.U8(0x1A);
  out.Text("Brindle Karts", 20, ' ');
  out.U16(0x0104);
  out.U32(kHeaderSize);
  out.U16(static_cast<int>(m.Order.size()));
  out.U16(m.RestartPosition);
  out.U16(m.Channels);
  out.U16(static_cast<int>(m.Patterns.size()));
  out.U16(static_cast<int>(m.Instruments.size()));
  out.U16(1);  // linear frequency table
  out.U16(m.Speed);
  out.U16(m.Tempo);
  for (size_t i = 0; i < 256; ++i) out.U8(i < m.Order.size() ? m.Order[i] : 0);
}

void WritePattern(ByteWriter& out, const XmPattern& p) {
  out.U32(9);  // pattern header length
  out.U8(0);   // packing type
  out.U16(p.Rows);
  out.U16(static_cast<int>(p.Cells.size() * 5));
  for (const XmCell& c : p.Cells) {
    out.U8(c.Note);
    out.U8(c.Instrument);
    out.U8(c.Volume);
    out.U8(c.Effect);
    out.U8(c.Param);
  }
}

void WriteInstrument(ByteWriter& out, const XmInstrument& ins) {
  const XmSample& s = ins.Sample;
  const XmEnvelope& env = ins.VolumeEnvelope;
  if (env.Points.size() > 12) throw std::invalid_argument("more than 12 envelope points");
  out.U32(kInstrumentHeaderSize);
  out.Text(ins.Name, 22);
  out.U8(0);
  out.U16(1);  // one sample
  out.U32(kSampleHeaderSize);
  out.Zeros(96);  // every note plays sample 0
  for (size_t i = 0; i < 12; ++i) {
    out.U16(i < env.Points.size() ? env.Points[i].first : 0);
    out.U16(i < env.Points.size() ? env.Points[i].second : 0);
  }
  out.Zeros(48);  // no panning envelope
  out.U8(static_cast<int>(env.Points.size()));
  out.U8(0);
  out.U8(std::max(0, env.SustainPoint));
  out.U8(0);
  out.U8(0);
  out.Zeros(3);
  int volumeType = env.Points.empty() ? 0 : 1;
  if (env.SustainPoint >= 0) volumeType |= 2;
  out.U8(volumeType);
  out.U8(0);
  out.U8(ins.VibratoType);
  out.U8(ins.VibratoSweep);
  out.U8(ins.VibratoDepth);
  out.U8(ins.VibratoRate);
  out.U16(ins.Fadeout);
  out.Zeros(kInstrumentHeaderSize - 241);  // reserved

  const uint32_t bytes = static_cast<uint32_t>(s.Data.size() * 2);
  out.U32(bytes);
  out.U32(static_cast<uint32_t>(s.LoopStart * 2));
  out.U32(static_cast<uint32_t>(s.LoopLength * 2));
  out.U8(s.Volume);
  out.U8(static_cast<uint8_t>(s.Finetune));
  out.U8((s.LoopLength > 0 ? 1 : 0) | 0x10);  // forward loop, 16-bit
  out.U8(s.Panning);
  out.U8(static_cast<uint8_t>(s.RelativeNote));
  out.U8(0);
  out.Text(s.Name, 22);
  int16_t previous = 0;
  for (int16_t v : s.Data) {
    out.U16(static_cast<uint16_t>(v - previous));
    previous = v;
  }
}

}  // namespace

std::vector<uint8_t> WriteXm(const XmModule& module) {
  ByteWriter out;
  WriteHeader(out, module);
  for (const XmPattern& p : module.Patterns) WritePattern(out, p);
  for (const XmInstrument& ins : module.Instruments) WriteInstrument(out, ins);
  return out.Take();
}

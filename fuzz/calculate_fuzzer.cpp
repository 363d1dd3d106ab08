// Arbitrary bytes as one calculate request: coordinate texts of any length
// and content, any integers. Whatever comes in, the outcome is one message or
// one well-formed six-line report.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "core/calculate.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

std::int32_t AnyInt(FuzzedDataProvider& data) {
  // Mostly near the interesting ranges, sometimes anything at all.
  if (data.ConsumeBool()) return data.ConsumeIntegralInRange<std::int32_t>(-3, 25);
  return data.ConsumeIntegral<std::int32_t>();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  menetkalk::MarchRequest request;
  request.people = AnyInt(data);
  for (bool& tick : request.ticked) tick = data.ConsumeBool();
  request.trainingLevel = AnyInt(data);
  request.arrivalHour = AnyInt(data);
  request.arrivalMinute = AnyInt(data);
  request.arrivalSecond = AnyInt(data);
  request.arrivalDay = AnyInt(data);
  request.ownXText = data.ConsumeRandomLengthString(100);
  request.ownYText = data.ConsumeRandomLengthString(100);
  request.targetXText = data.ConsumeRandomLengthString(100);
  request.targetYText = data.ConsumeRemainingBytesAsString();

  const menetkalk::CalculateOutcome outcome = menetkalk::RunCalculate(request);
  Require(outcome.message.empty() != outcome.report.empty());
  Require(outcome.saveInputs == !outcome.report.empty());
  if (!outcome.report.empty()) {
    const std::string& report = outcome.report;
    Require(report.size() >= 2 && report.compare(report.size() - 2, 2, "\r\n") == 0);
    std::size_t lines = 0;
    for (std::size_t at = report.find("\r\n"); at != std::string::npos; at = report.find("\r\n", at + 2)) ++lines;
    Require(lines == 6);
    Require(report.find('\n') == report.find("\r\n") + 1);  // no bare line feeds
    Require(report.compare(0, 10, "Tavolsag: ") == 0 && report[17] == ' ');  // seven-wide distance
  }
  return 0;
}

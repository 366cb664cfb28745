#pragma once
namespace kelvaro {

class ProgramView;

// Widgets of their own for the controls the generic view cannot draw (the moon).
void registerFeatureWidgets(ProgramView& view);

} // namespace kelvaro

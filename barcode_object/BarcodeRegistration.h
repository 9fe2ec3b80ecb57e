// Bringing the barcode object into the program: its class joins the report engine's add-in
// registry, where the template reader finds it by its class name.
#pragma once

namespace barcode_object {

// Called once at start-up, before any template is read; a second call changes nothing.
void registerBarCodeObject();

}  // namespace barcode_object

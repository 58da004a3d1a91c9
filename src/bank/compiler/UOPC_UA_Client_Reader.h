#pragma once
// Reading OPC_UA_Client.xml into OPC_UA_Main for the OPC UA client image.
#include <cstdint>

// Fills OPC_UA_Main's servers and variables from the file at Path_OPC_UA_Client and assigns every device address
// for `load_address`. Without the file the image has no servers. A file that does not load, a missing element or
// attribute, or a number that does not convert raises an Exception that names the file and the place; OPC_UA_Main
// then keeps the servers it had.
void Read_OPC_UA_Client_XML(uint32_t load_address);

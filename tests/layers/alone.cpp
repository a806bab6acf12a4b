// SPDX-License-Identifier: GPL-3.0-or-later
// Linked with every object of one layer and nothing above it: the link fails when the layer uses a layer
// above it.
int main() {
    return 0;
}

// Placeholder: landscape scrolling under panorama sky.

void main()
{
    vec2 uv = gl_FragCoord.xy / iResolution.xy + iMouse.xy * 0.0001;
    vec3 c = uv.y < 0.5 ? texture2D(iChannel1, vec2(uv.x + 0.02 * iGlobalTime, uv.y * 2.0)).rgb
                        : texture2D(iChannel2, vec2(uv.x - 0.01 * iGlobalTime, uv.y * 2.0 - 1.0)).rgb;
    gl_FragColor = vec4(c, 1.0);
}

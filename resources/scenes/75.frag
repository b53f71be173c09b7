// Placeholder: aurora curtains.

void main()
{
    vec2 uv = gl_FragCoord.xy / iResolution.xy + iMouse.xy * 0.0001;
    float s = sin(uv.x * 8.0 + iGlobalTime) * 0.05;
    vec3 c = texture2D(iChannel1, vec2(uv.x, uv.y + s)).rgb;
    gl_FragColor = vec4(c * (0.5 + uv.y), 1.0);
}
